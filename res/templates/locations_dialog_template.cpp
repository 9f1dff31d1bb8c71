// Template 151: the Locations window.
#include "res/templates/templates.h"

namespace chronel {

const DialogTemplate& LocationsDialogTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 151;
        d.caption = "Locations";
        d.width = 311;
        d.height = 179;
        return d;
    }();
    return t;
}

}  // namespace chronel
