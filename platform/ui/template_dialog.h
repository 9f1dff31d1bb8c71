#pragma once
// A dialog window built from a DialogTemplate: the controls are created in template order (which
// is the tab order), placed in dialog units of the dialog's font, and found by their numbers.
//
// Lists: a user's pick runs the list's pick handler, also when the picked item is the one
// already selected; selecting an item from code runs no handler. Text typed into the edit part
// of a drop-down list is never added to it; the next SelectItem puts the item's text back.
// Enter and Escape reach KeyPressed first (the equivalent of pre-translating a key message);
// what is not handled there gets the dialog's standard handling.

#include <QDialog>
#include <QHash>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/core/dialog_template.h"
#include "platform/ui/dialog_units.h"

class QKeyEvent;

class QComboBox;
class QCompleter;

namespace chronel {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // Makes the widget of an owner-drawn control; without one, a BitmapButton with no pictures.
    using OwnerDrawnFactory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

    TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr,
                   const OwnerDrawnFactory& ownerDrawn = {});

    const DialogTemplate& Template() const { return m_template; }
    const DialogUnits& Units() const { return m_units; }

    QWidget* Control(int id) const;  // nullptr for an unknown number
    template <class W>
    W* ControlAs(int id) const { return qobject_cast<W*>(Control(id)); }

    void SetText(int id, const std::string& text);  // edit, button or label; a list's edit part
    std::string GetText(int id) const;              // edit or button text; a list's edit text

    void SelectItem(int id, int position);  // -1 selects nothing
    int SelectedItem(int id) const;         // -1 when nothing is selected
    std::string ItemText(int id, int position) const;
    int ItemCount(int id) const;
    int AddItem(int id, const std::string& text);  // returns its position (sorted lists sort)
    void AddItems(int id, const std::vector<std::string>& texts);  // many at once, as AddItem each
    void ClearItems(int id);

    // What a screen reader says for each listed control (unknown numbers are passed over).
    void NameControls(std::span<const ControlName> names);

    void ShowControl(int id, bool shown);
    bool ControlShown(int id) const;

    int FocusedControlId() const;  // kNoId when no numbered control has the focus

    void OnClicked(int id, std::function<void()> handler);
    void OnPicked(int id, std::function<void()> handler);

protected:
    // Enter (Return or keypad Enter) or Escape pressed while control focusId (or kNoId) has the
    // focus. Return true when the key is dealt with and must go no further.
    virtual bool KeyPressed(int key, int focusId);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* CreateControl(const ControlTemplate& control, const OwnerDrawnFactory& ownerDrawn);
    QComboBox* CreateEditableCombo(const ControlTemplate& control, const QRect& rect);
    const ControlTemplate* Find(int id) const;

    const DialogTemplate& m_template;
    DialogUnits m_units;
    QHash<int, QWidget*> m_controls;
    QHash<QObject*, int> m_ids;
    QCompleter* m_noCompletion = nullptr;  // see CreateEditableCombo
};

}  // namespace chronel
