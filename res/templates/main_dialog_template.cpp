// Template 102: the main window. Places and sizes in dialog units; template order is tab order.
#include "res/templates/templates.h"

namespace chronel {

const std::array<std::string, 12> g_monthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                  "July",    "August",   "September", "October", "November", "December"};

namespace {

std::vector<std::string> MonthItems() { return {g_monthNames.begin(), g_monthNames.end()}; }

ControlTemplate Label(const char* text, int x, int y, int w, int h, unsigned style = kNone) {
    return {kNoId, ControlKind::Static, text, {}, x, y, w, h, style};
}
ControlTemplate Edit(int id, int x, int y, int w, int h, unsigned style = kNone) {
    return {id, ControlKind::Edit, "", {}, x, y, w, h, style};
}
ControlTemplate Arrow(int id, int x, int y) { return {id, ControlKind::OwnerDrawButton, "", {}, x, y, 11, 7, kNone}; }
ControlTemplate Combo(int id, std::vector<std::string> items, int x, int y, int w, int h, unsigned style = kNone) {
    return {id, ControlKind::DropDownCombo, "", std::move(items), x, y, w, h, style};
}
ControlTemplate Button(int id, const char* text, int x, int y, int w, int h) {
    return {id, ControlKind::PushButton, text, {}, x, y, w, h, kNone};
}

DialogTemplate Build() {
    constexpr unsigned RO = kReadOnly;
    constexpr unsigned ROC = kReadOnly | kAlignCenter;
    DialogTemplate t;
    t.id = 102;
    t.caption = "Chronel";
    t.width = 592;
    t.height = 290;
    t.controls = {
        Edit(1000, 82, 42, 20, 14),
        Combo(1001, MonthItems(), 152, 42, 62, 126),
        Edit(1002, 250, 42, 28, 14),
        Label("Gregorian Date", 26, 42, 50, 14, kVCenter),
        Label("Day of week", 219, 89, 42, 14, kVCenter),
        Label("Julian Day", 177, 115, 33, 14, kVCenter),
        Edit(1007, 216, 115, 60, 14, kAlignRight),
        Label("Modified Julian Day", 295, 115, 62, 14, kVCenter),
        Edit(1008, 361, 115, 60, 14, kAlignRight),
        Button(1009, "Today", 198, 18, 50, 14),
        Arrow(1011, 102, 48),
        Arrow(1012, 102, 41),
        Arrow(1013, 141, 48),
        Arrow(1014, 141, 41),
        Arrow(1015, 278, 48),
        Arrow(1016, 278, 41),
        Arrow(1017, 240, 49),
        Arrow(1018, 240, 42),
        Edit(1023, 412, 42, 27, 14),
        Edit(1024, 493, 42, 20, 14, RO),
        Label("Day of Year", 444, 44, 40, 9),
        Label("Week of Year", 520, 44, 43, 9),
        Label("Sunrise", 228, 139, 23, 9),
        Label("Sunset", 278, 139, 23, 9),
        Label("Day Length", 323, 139, 39, 9),
        Label("Moonrise", 394, 139, 30, 9),
        Label("Moonset", 446, 139, 29, 9),
        Label("True Phase", 248, 178, 46, 9),
        Edit(1033, 218, 151, 40, 14, ROC),
        Edit(1034, 269, 151, 40, 14, ROC),
        Edit(1035, 321, 151, 40, 14, ROC),
        Edit(1037, 439, 151, 40, 14, ROC),
        Edit(1038, 233, 191, 63, 14, ROC),
        Edit(1036, 388, 151, 40, 14, ROC),
        Combo(1052, {}, 78, 234, 79, 93, kSorted),
        Edit(1053, 178, 232, 20, 14, RO),
        Edit(1054, 212, 232, 52, 14, RO),
        Edit(1055, 275, 232, 28, 14, RO),
        Edit(1056, 328, 232, 83, 14, RO),
        Edit(1058, 178, 256, 20, 14, RO),
        Edit(1059, 212, 256, 52, 14, RO),
        Edit(1060, 275, 256, 28, 14, RO),
        Edit(1061, 328, 256, 83, 14, RO),
        Combo(1057, {}, 78, 257, 79, 85, kSorted),
        Label("Local Historical Dates", 267, 216, 80, 9, kAlignCenter),
        Edit(1064, 310, 191, 55, 14, ROC),
        Edit(1065, 378, 191, 40, 14, ROC),
        Edit(1072, 351, 42, 47, 14, RO),
        Edit(1080, 431, 232, 64, 14, RO),
        Edit(1081, 431, 256, 64, 14, RO),
        Edit(1003, 82, 65, 20, 14),
        Combo(1004, MonthItems(), 152, 65, 62, 122),
        Edit(1005, 250, 65, 28, 14),
        Edit(1025, 412, 65, 27, 14),
        Edit(1026, 493, 65, 20, 14, RO),
        Edit(1073, 351, 65, 47, 14, RO),
        Label("Julian Date", 26, 65, 37, 14, kVCenter),
        Edit(1006, 270, 90, 60, 14, ROC),
        Label("Day of Year", 444, 67, 40, 9),
        Label("Week of Year", 520, 67, 43, 9),
        Arrow(1019, 102, 72),
        Arrow(1020, 102, 65),
        Arrow(1063, 141, 72),
        Arrow(1066, 141, 65),
        Arrow(1068, 240, 72),
        Arrow(1069, 240, 65),
        Arrow(1070, 278, 72),
        Arrow(1071, 278, 65),
        Button(1089, "Locations", 270, 18, 50, 14),
        Button(1090, "Computus", 342, 18, 50, 14),
        Combo(1021, {"BC", "AD"}, 296, 42, 30, 44),
        Combo(1022, {"BC", "AD"}, 296, 65, 30, 46),
        {1092, ControlKind::FlatButton, "", {}, 103, 151, 95, 14, kAlignRight},
    };
    return t;
}

}  // namespace

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate t = Build();
    return t;
}

}  // namespace chronel
