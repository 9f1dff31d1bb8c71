// Template 153: the Computus window.
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {

const DialogTemplate& ComputusDialogTemplate() {
    static const DialogTemplate t = [] {
        constexpr unsigned kField = kReadOnly;
        DialogTemplate d;
        d.id = 153;
        d.caption = "Computus";
        d.width = 382;
        d.height = 94;
        d.controls = {
            {kNoId, ControlKind::Static, "Catholic", {}, 55, 19, 27, 9, kNone},
            {kNoId, ControlKind::Static, "Orthodox Julian", {}, 165, 19, 52, 9, kNone},
            {kOrthodoxJulianDayField, ControlKind::Edit, "", {}, 151, 33, 20, 14, kField},
            {kOrthodoxJulianMonthField, ControlKind::Edit, "", {}, 179, 33, 52, 14, kField},
            {kOrthodoxGregorianDayField, ControlKind::Edit, "", {}, 269, 33, 20, 14, kField},
            {kOrthodoxGregorianMonthField, ControlKind::Edit, "", {}, 297, 33, 52, 14, kField},
            {kCatholicMonthField, ControlKind::Edit, "", {}, 61, 33, 52, 14, kField},
            {kCatholicDayField, ControlKind::Edit, "", {}, 33, 33, 20, 14, kField},
            {kNoId, ControlKind::Static, "Orthodox Gregorian", {}, 276, 19, 65, 9, kNone},
            {kEasterNoteField, ControlKind::Edit, "", {}, 40, 61, 301, 14, kReadOnly | kAlignCenter | kNoBorder},
        };
        return d;
    }();
    return t;
}

}  // namespace chronel
