#include "app/cli/day_fields.h"

#include "app/cli/almanac_fields.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

struct CalendarTexts {
    const std::string& day;
    int monthItem;
    const std::string& year;
    int eraItem;
    const std::string& leap;
    const std::string& dayOfYear;
    const std::string& weekOfYear;
};

void WriteCalendar(FieldSink& sink, const char* key, const CalendarTexts& t) {
    sink.BeginObject(key);
    sink.Text("day", t.day);
    sink.Text("month", g_monthNames[static_cast<std::size_t>(t.monthItem)]);
    sink.Text("year", t.year);
    sink.Text("era", g_eraItems[static_cast<std::size_t>(t.eraItem)]);
    sink.Text("leapYear", t.leap);
    sink.Text("dayOfYear", t.dayOfYear);
    sink.Text("weekOfYear", t.weekOfYear);
    sink.EndObject();
}

void WriteEasterDate(FieldSink& sink, const char* key, const std::string& day, const std::string& month) {
    sink.BeginObject(key);
    sink.Text("day", day);
    sink.Text("month", month);
    sink.EndObject();
}

}  // namespace

void WriteCalendarObject(FieldSink& sink, const char* key, const DatePanelTexts& p, bool gregorian) {
    if (gregorian)
        WriteCalendar(sink, key,
                      {p.gregDay, p.gregMonthItem, p.gregYear, p.gregEraItem, p.gregLeap, p.gregDayOfYear, p.gregWeekOfYear});
    else
        WriteCalendar(sink, key, {p.julDay, p.julMonthItem, p.julYear, p.julEraItem, p.julLeap, p.julDayOfYear, p.julWeekOfYear});
}

void WriteEasterDateObjects(FieldSink& sink, const ComputusTexts& e) {
    WriteEasterDate(sink, "catholic", e.catholicDay, e.catholicMonth);
    WriteEasterDate(sink, "orthodoxJulian", e.orthodoxJulianDay, e.orthodoxJulianMonth);
    WriteEasterDate(sink, "orthodoxGregorian", e.orthodoxGregorianDay, e.orthodoxGregorianMonth);
}

void WriteLocalDateObject(FieldSink& sink, const char* key, const std::string& region, const LocalDateRowTexts& row) {
    sink.BeginObject(key);
    sink.Text("region", region);
    sink.Text("day", row.day);
    sink.Text("month", row.month);
    sink.Text("year", row.year);
    sink.Text("era", row.era);
    sink.Text("style", row.style);
    sink.EndObject();
}

void WriteDayFields(const DayReport& r, FieldSink& sink) {
    const DatePanelTexts& p = r.panels;
    sink.BeginObject({});
    WriteCalendarObject(sink, "gregorian", p, true);
    WriteCalendarObject(sink, "julian", p, false);
    sink.Text("weekday", p.weekday);
    sink.Text("julianDay", p.julianDay);
    sink.Text("modifiedJulianDay", p.modifiedJulianDay);

    sink.BeginObject("place");
    sink.Text("name", r.place.name);
    sink.Number("latitude", r.place.position.latitude);
    sink.Number("longitude", r.place.position.longitude);
    sink.Number("timeZone", r.place.position.timeZone);
    if (r.place.zoneId.empty())
        sink.Null("zone");
    else
        sink.Text("zone", r.place.zoneId);
    sink.Text("utcOffset", r.clock.utcOffset);
    sink.EndObject();

    const RiseSetTexts& rs = r.riseSetTexts;
    sink.Text("sunrise", rs.sunrise);
    sink.Text("sunset", rs.sunset);
    sink.Text("dayLength", rs.dayLength);
    sink.Text("moonrise", rs.moonrise);
    sink.Text("moonset", rs.moonset);

    sink.BeginObject("moon");
    sink.Number("picture", r.moon.pictureIndex);
    sink.Text("phase", r.moon.texts.name);
    sink.Text("phaseDate", r.moon.texts.date);
    sink.Text("phaseTime", r.moon.texts.time);
    sink.EndObject();

    const ComputusTexts& e = r.easter;
    sink.BeginObject("easter");
    WriteEasterDateObjects(sink, e);
    if (e.noteVisible)
        sink.Text("note", e.note);
    else
        sink.Null("note");
    sink.EndObject();

    sink.BeginArray("localDates");
    for (const LocalDateRowReport& row : r.localDates) WriteLocalDateObject(sink, "", row.region, row.texts);
    sink.EndArray();
    if (r.almanacTexts) WriteAlmanacObject(sink, "almanac", *r.almanacTexts, false);
    sink.EndObject();
}

}  // namespace chronel
