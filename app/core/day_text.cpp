#include "app/core/day_text.h"

#include <cstdio>

#include "astro/core/almanac_texts.h"

#include "res/templates/templates.h"

namespace chronel {
namespace {

constexpr int kValueColumn = 28;  // labels are padded to this width

void Line(std::string& out, const std::string& label, const std::string& value) {
    out += label;
    out += ':';
    out.append(label.size() + 1 < kValueColumn ? kValueColumn - label.size() - 1 : 1, ' ');
    out += value;
    out += '\n';
}

std::string DateText(const std::string& day, int monthItem, const std::string& year, int eraItem,
                         const std::string& leap) {
    return day + " " + g_monthNames[static_cast<std::size_t>(monthItem)] + " " + year + " " + g_eraItems[static_cast<std::size_t>(eraItem)] +
           " (" + leap + ")";
}

// "51.5000 N, 0.1167 W, UTC+0.00"
std::string PlaceText(const DayPlace& place) {
    const ObserverPlace& p = place.position;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.4f %c, %.4f %c, UTC%+.2f", p.latitude < 0 ? -p.latitude : p.latitude,
                  p.latitude < 0 ? 'S' : 'N', p.longitude < 0 ? -p.longitude : p.longitude, p.longitude < 0 ? 'W' : 'E',
                  p.timeZone);
    return place.name.empty() ? std::string(buffer) : place.name + ", " + buffer;
}

void AlmanacLines(std::string& out, const AlmanacTexts& a) {
    out += "Almanac\n";
    Line(out, "  Astronomical dawn", a.astronomicalDawn);
    Line(out, "  Nautical dawn", a.nauticalDawn);
    Line(out, "  Civil dawn", a.civilDawn);
    Line(out, "  Sunrise", a.sunrise);
    char altitude[32] = "";
    if (a.solarNoonAltitude) std::snprintf(altitude, sizeof altitude, ", altitude %.1f\u00b0", *a.solarNoonAltitude);
    Line(out, "  Solar noon", a.solarNoon + altitude);
    Line(out, "  Sunset", a.sunset);
    Line(out, "  Civil dusk", a.civilDusk);
    Line(out, "  Nautical dusk", a.nauticalDusk);
    Line(out, "  Astronomical dusk", a.astronomicalDusk);
    Line(out, "  Day length", a.dayLength);
    Line(out, "  Moonrise", a.moonrise);
    Line(out, "  Moon transit", a.moonTransit);
    Line(out, "  Moonset", a.moonset);
    char moon[96];
    std::snprintf(moon, sizeof moon, "%.1f %% lit, %.1f days old, %s", a.moonIllumination, a.moonAge,
                  a.moonWaxing ? "waxing" : "waning");
    Line(out, "  Moon", moon);
    for (const AlmanacPhaseTexts& p : a.phases) Line(out, "  " + p.phase, p.ut + " (" + p.local + ")");
    Line(out, "  " + a.nextSeasonName, a.nextSeasonUt);
    char deltaT[32];
    std::snprintf(deltaT, sizeof deltaT, "%.1f s", a.deltaT);
    Line(out, "  Delta T", deltaT);
}

}  // namespace

std::string FormatDayText(const DayReport& r) {
    const DatePanelTexts& p = r.panels;
    std::string out;
    Line(out, "Gregorian Date", DateText(p.gregDay, p.gregMonthItem, p.gregYear, p.gregEraItem, p.gregLeap));
    Line(out, "  Day of Year", p.gregDayOfYear);
    Line(out, "  Week of Year", p.gregWeekOfYear);
    Line(out, "Julian Date", DateText(p.julDay, p.julMonthItem, p.julYear, p.julEraItem, p.julLeap));
    Line(out, "  Day of Year", p.julDayOfYear);
    Line(out, "  Week of Year", p.julWeekOfYear);
    Line(out, "Day of week", p.weekday);
    Line(out, "Julian Day", p.julianDay);
    Line(out, "Modified Julian Day", p.modifiedJulianDay);
    Line(out, "Location", PlaceText(r.place));
    if (r.clock.zoneApplied) Line(out, "Clock time", r.clock.tooltip);
    const RiseSetTexts& rs = r.riseSetTexts;
    Line(out, "Sunrise", rs.sunrise);
    Line(out, "Sunset", rs.sunset);
    Line(out, "Day Length", rs.dayLength);
    Line(out, "Moonrise", rs.moonrise);
    Line(out, "Moonset", rs.moonset);
    Line(out, "True Phase", r.moon.texts.name + ", " + r.moon.texts.date + " " + r.moon.texts.time);
    const ComputusTexts& e = r.easter;
    Line(out, "Easter, Catholic", e.catholicDay + " " + e.catholicMonth);
    Line(out, "Easter, Orthodox Julian", e.orthodoxJulianDay + " " + e.orthodoxJulianMonth);
    Line(out, "Easter, Orthodox Gregorian", e.orthodoxGregorianDay + " " + e.orthodoxGregorianMonth);
    if (e.noteVisible) Line(out, "  Note", e.note);
    out += "Local Historical Dates\n";
    for (const LocalDateRowReport& row : r.localDates) {
        const LocalDateRowTexts& t = row.texts;
        Line(out, "  " + row.region, t.day + " " + t.month + " " + t.year + ", " + t.era + ", " + t.style);
    }
    if (r.almanacTexts) AlmanacLines(out, *r.almanacTexts);
    return out;
}


}  // namespace chronel
