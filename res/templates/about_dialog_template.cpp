// Template 100: the About box.
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 100;
        d.caption = "Calendar";
        d.width = 235;
        d.height = 55;
        d.controls = {
            {kNoId, ControlKind::Static, "Chronel, version " CHRONEL_VERSION, {}, 40, 10, 150, 8, kNone},
            {kNoId, ControlKind::Static, "Gregorian, Julian and historical dates; Sun, Moon and Easter.", {}, 40, 25, 188, 8, kNone},
            {kAboutOkButton, ControlKind::DefPushButton, "OK", {}, 178, 7, 50, 14, kNone},
        };
        return d;
    }();
    return t;
}

}  // namespace chronel
