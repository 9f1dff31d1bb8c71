// Template 102: the main window. Places and sizes in dialog units; template order is tab order.
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {

const std::array<std::string, 12> g_monthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                  "July",    "August",   "September", "October", "November", "December"};

const std::array<std::string, 2> g_eraItems = {"BC", "AD"};

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
        Edit(kGregorianDayField, 82, 42, 20, 14),
        Combo(kGregorianMonthList, MonthItems(), 152, 42, 62, 126),
        Edit(kGregorianYearField, 250, 42, 28, 14),
        Label("Gregorian Date", 26, 42, 50, 14, kVCenter),
        Label("Day of week", 219, 89, 42, 14, kVCenter),
        Label("Julian Day", 177, 115, 33, 14, kVCenter),
        Edit(kJulianDayField, 216, 115, 60, 14, kAlignRight),
        Label("Modified Julian Day", 295, 115, 62, 14, kVCenter),
        Edit(kModifiedJulianDayField, 361, 115, 60, 14, kAlignRight),
        Button(kTodayButton, "Today", 198, 18, 50, 14),
        Arrow(kGregorianDayDownArrow, 102, 48),
        Arrow(kGregorianDayUpArrow, 102, 41),
        Arrow(kGregorianMonthDownArrow, 141, 48),
        Arrow(kGregorianMonthUpArrow, 141, 41),
        Arrow(kGregorianYearDownArrow, 278, 48),
        Arrow(kGregorianYearUpArrow, 278, 41),
        Arrow(kGregorianCenturyDownArrow, 240, 49),
        Arrow(kGregorianCenturyUpArrow, 240, 42),
        Edit(kGregorianDayOfYearField, 412, 42, 27, 14),
        Edit(kGregorianWeekOfYearField, 493, 42, 20, 14, RO),
        Label("Day of Year", 444, 44, 40, 9),
        Label("Week of Year", 520, 44, 43, 9),
        Label("Sunrise", 228, 139, 23, 9),
        Label("Sunset", 278, 139, 23, 9),
        Label("Day Length", 323, 139, 39, 9),
        Label("Moonrise", 394, 139, 30, 9),
        Label("Moonset", 446, 139, 29, 9),
        Label("True Phase", 248, 178, 46, 9),
        Edit(kSunriseField, 218, 151, 40, 14, ROC),
        Edit(kSunsetField, 269, 151, 40, 14, ROC),
        Edit(kDayLengthField, 321, 151, 40, 14, ROC),
        Edit(kMoonsetField, 439, 151, 40, 14, ROC),
        Edit(kPhaseNameField, 233, 191, 63, 14, ROC),
        Edit(kMoonriseField, 388, 151, 40, 14, ROC),
        Combo(kRegionAList, {}, 78, 234, 79, 93, kSorted),
        Edit(kRowADayField, 178, 232, 20, 14),
        Edit(kRowAMonthField, 212, 232, 52, 14),
        Edit(kRowAYearField, 275, 232, 28, 14),
        Edit(kRowAEraField, 328, 232, 83, 14, RO),
        Edit(kRowBDayField, 178, 256, 20, 14),
        Edit(kRowBMonthField, 212, 256, 52, 14),
        Edit(kRowBYearField, 275, 256, 28, 14),
        Edit(kRowBEraField, 328, 256, 83, 14, RO),
        Combo(kRegionBList, {}, 78, 257, 79, 85, kSorted),
        Label("Local Historical Dates", 267, 216, 80, 9, kAlignCenter),
        Edit(kPhaseDateField, 310, 191, 55, 14, ROC),
        Edit(kPhaseTimeField, 378, 191, 40, 14, ROC),
        Edit(kGregorianLeapField, 351, 42, 47, 14, RO),
        Edit(kRowAStyleField, 431, 232, 64, 14, RO),
        Edit(kRowBStyleField, 431, 256, 64, 14, RO),
        Edit(kJulianDayOfMonthField, 82, 65, 20, 14),
        Combo(kJulianMonthList, MonthItems(), 152, 65, 62, 122),
        Edit(kJulianYearField, 250, 65, 28, 14),
        Edit(kJulianDayOfYearField, 412, 65, 27, 14),
        Edit(kJulianWeekOfYearField, 493, 65, 20, 14, RO),
        Edit(kJulianLeapField, 351, 65, 47, 14, RO),
        Label("Julian Date", 26, 65, 37, 14, kVCenter),
        Edit(kWeekdayField, 270, 90, 60, 14, ROC),
        Label("Day of Year", 444, 67, 40, 9),
        Label("Week of Year", 520, 67, 43, 9),
        Arrow(kJulianDayDownArrow, 102, 72),
        Arrow(kJulianDayUpArrow, 102, 65),
        Arrow(kJulianMonthDownArrow, 141, 72),
        Arrow(kJulianMonthUpArrow, 141, 65),
        Arrow(kJulianCenturyDownArrow, 240, 72),
        Arrow(kJulianCenturyUpArrow, 240, 65),
        Arrow(kJulianYearDownArrow, 278, 72),
        Arrow(kJulianYearUpArrow, 278, 65),
        Button(kLocationsButton, "Locations", 270, 18, 50, 14),
        Button(kComputusButton, "Computus", 342, 18, 50, 14),
        Combo(kGregorianEraList, {g_eraItems.begin(), g_eraItems.end()}, 296, 42, 30, 44),
        Combo(kJulianEraList, {g_eraItems.begin(), g_eraItems.end()}, 296, 65, 30, 46),
        {kPlaceButton, ControlKind::FlatButton, "", {}, 103, 151, 95, 14, kAlignRight},
    };
    return t;
}

}  // namespace

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate t = Build();
    return t;
}

}  // namespace chronel
