// Template 151: the Locations window. Places and sizes in dialog units; template order is tab
// order, and each up-down control is bound to the edit just before it.
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

ControlTemplate Label(const char* text, int x, int y, int w, int h, unsigned style = kNone) {
    return {kNoId, ControlKind::Static, text, {}, x, y, w, h, style};
}
// Degrees, minutes and seconds: digits only; a number beyond the range is kept as typed.
ControlTemplate NumberEdit(int id, int x, int y, int w) {
    return {id, ControlKind::Edit, "", {}, x, y, w, 14, kDigitsOnly};
}
ControlTemplate Spinner(int id, int x, int y) { return {id, ControlKind::UpDown, "", {}, x, y, 10, 14, kNone}; }
// Height with the list opened; the items stay in the given order.
ControlTemplate Hemisphere(int id, const char* first, const char* second, int y, int h) {
    return {id, ControlKind::DropDownCombo, "", {first, second}, 254, y, 29, h, kNone};
}

DialogTemplate Build() {
    DialogTemplate d;
    d.id = 151;
    d.caption = "Locations";
    d.width = 311;
    d.height = 179;
    d.controls = {
        {kCityList, ControlKind::ListBox, "", {}, 28, 41, 102, 93, kSorted},
        {kSetDefaultLocationButton, ControlKind::PushButton, "Set as default Location", {}, 28, 139, 102, 14, kNone},
        Label("Location", 28, 26, 102, 8, kAlignCenter),
        NumberEdit(kLatitudeDegreesField, 148, 42, 27),
        Spinner(kLatitudeDegreesUpDown, 176, 42),
        NumberEdit(kLatitudeMinutesField, 188, 42, 17),
        Spinner(kLatitudeMinutesUpDown, 206, 42),
        NumberEdit(kLatitudeSecondsField, 218, 42, 17),
        Spinner(kLatitudeSecondsUpDown, 236, 42),
        Label("Latitude", 195, 29, 27, 9),
        Hemisphere(kLatitudeHemisphereList, "N", "S", 42, 38),
        NumberEdit(kLongitudeDegreesField, 148, 78, 27),
        Spinner(kLongitudeDegreesUpDown, 176, 78),
        NumberEdit(kLongitudeMinutesField, 188, 78, 17),
        Spinner(kLongitudeMinutesUpDown, 206, 78),
        NumberEdit(kLongitudeSecondsField, 218, 78, 17),
        Spinner(kLongitudeSecondsUpDown, 236, 78),
        Label("Longitude", 191, 65, 32, 9),
        Hemisphere(kLongitudeHemisphereList, "E", "W", 78, 39),
        {kTimeZoneField, ControlKind::Edit, "", {}, 200, 115, 27, 14, kNone},  // time zone: any characters
        Label("Time Zone", 196, 102, 33, 9),
        {kGoButton, ControlKind::DefPushButton, "GO", {}, 200, 139, 27, 14, kNone},
    };
    return d;
}

}  // namespace

const DialogTemplate& LocationsDialogTemplate() {
    static const DialogTemplate t = Build();
    return t;
}

}  // namespace chronel
