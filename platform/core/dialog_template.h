#pragma once
// A dialog described as data: its caption, its size and a table of controls, each with its
// number, kind, text or items, place and size in dialog units, and style flags. The window
// layer builds real windows from these tables; the tables themselves need no toolkit.
//
// Dialog units: one horizontal unit is a quarter of the dialog font's average character width,
// one vertical unit an eighth of its height, so a layout follows the font and the screen scale.

#include <string>
#include <vector>

namespace chronel {

enum class ControlKind {
    Static,           // a label
    Edit,             // a one-line text field
    DropDownCombo,    // a list with an edit field; typed text is never added to the list
    ListBox,          // a list of items, one selectable
    PushButton,       // a button with a text
    DefPushButton,    // the window's default button
    OwnerDrawButton,  // a button that paints a picture (the arrow buttons)
    FlatButton,       // a push button drawn without a frame (the place-name button)
    UpDown,           // two small arrow buttons bound to the edit on their left
};

// Style flags; combine with |.
enum ControlStyle : unsigned {
    kNone = 0,
    kReadOnly = 1u << 0,
    kAlignRight = 1u << 1,
    kAlignCenter = 1u << 2,
    kNoBorder = 1u << 3,
    kSorted = 1u << 4,     // items kept in alphabetical order, ignoring case
    kDigitsOnly = 1u << 5,
    kVCenter = 1u << 6,    // a label whose text is centred vertically in its box
};

// Controls without a number (labels) carry kNoId.
inline constexpr int kNoId = -1;

struct ControlTemplate {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string text;                 // label or button text
    std::vector<std::string> items;   // initial items of a list
    int x = 0, y = 0, width = 0, height = 0;  // dialog units; a drop-down's height is opened
    unsigned style = kNone;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0, height = 0;  // dialog units
    std::vector<ControlTemplate> controls;  // template order, which is also the tab order
};

// What a screen reader says for a control: the label it stands beside, and for a field of a
// group the part it holds ("Gregorian Date, day").
struct ControlName {
    int id;
    const char* name;
};

}  // namespace chronel
