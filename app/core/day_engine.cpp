#include "app/core/day_engine.h"

#include "astro/core/almanac_year.h"
#include "astro/core/clock_rise_set.h"
#include "astro/core/delta_t.h"
#include "history/core/local_date.h"
#include "locations/core/utc_offset_text.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

MoonReport Moon(double jd, bool universalTime) {
    MoonReport m;
    m.pictureIndex = MoonPictureIndex(jd);
    m.pictureResource = MoonPictureResource(m.pictureIndex);
    m.nextPhase = NextPrincipalPhase(jd);
    PrincipalPhase shown = m.nextPhase;
    if (universalTime) shown.jde -= DeltaTDays(shown.jde);  // UT = TT - ΔT
    m.texts = FormatMoonPhaseTexts(shown);
    return m;
}

}  // namespace

std::shared_ptr<const PlaceClock> ResolveDayClock(const DayPlace& place) {
    return std::make_shared<const PlaceClock>(ResolvePlaceClock(place.zoneId, place.position.timeZone));
}

LocalDateRowReport ComputeLocalDateRow(const std::string& region, const DateState& d, const Catalogues& c) {
    const CurrentDay day{d.m_jd, {d.m_julDay, d.m_julMonth, d.m_julYear}, {d.m_gregDay, d.m_gregMonth, d.m_gregYear}};
    return {region, LocalDateRowFor(c.regions, region, day, c.eras, c.styles, g_monthNames)};
}

std::string UnknownZoneMessage(const DayPlace& place) {
    return place.name + ": time zone '" + place.zoneId + "' is not in the time-zone database; using its fixed offset";
}

DayReport ComputeDay(const DayQuery& query, const Catalogues& catalogues) {
    DayReport r;
    r.dates.m_jd = query.jd;
    DeriveDates(r.dates);
    const DateState& d = r.dates;
    r.panels = FormatDatePanels(d);
    r.place = query.place;
    const ObserverPlace& p = query.place.position;
    const PlaceClock* clock = query.clock.get();
    r.clock.zoneUnknown = clock && clock->zoneUnknown;
    if (query.options.clockTime && clock && !clock->zoneId.empty()) {
        ClockRiseSet c = ComputeClockRiseSet(d.m_gregYear, d.m_gregMonth, d.m_gregDay, p.longitude, p.latitude,
                                             clock->offsetAt, clock->zoneId);
        r.riseSet = c.clock;
        r.riseSetTexts = std::move(c.texts);
        r.clock.zoneApplied = true;
        r.clock.searchOffsetHours = c.searchOffsetHours;
        r.clock.tooltip = std::move(c.offsetText);
    } else {
        r.riseSet = ComputeRiseSet(d.m_gregYear, d.m_gregMonth, d.m_gregDay, p.longitude, p.latitude, p.timeZone);
        r.riseSetTexts = FormatRiseSetTexts(r.riseSet);
        r.clock.searchOffsetHours = p.timeZone;
    }
    r.clock.utcOffset = FormatUtcOffset(r.clock.searchOffsetHours);
    // The Catholic date follows the Gregorian year shown, the Orthodox ones the Julian year;
    // the two differ in the first days of January.
    r.easter = MakeComputusTexts(d.m_gregYear, d.m_julYear, g_monthNames);
    r.localDates = {ComputeLocalDateRow(query.regionA, d, catalogues), ComputeLocalDateRow(query.regionB, d, catalogues)};
    r.moon = Moon(d.m_jd, query.options.phaseInUniversalTime);
    if (query.options.almanac) {
        // The almanac's clock is the place's zone with clock time, else its fixed offset.
        const bool zone = r.clock.zoneApplied;
        const UtcOffsetAt clockOffset = zone ? clock->offsetAt : FixedUtcOffset(p.timeZone);
        const double searchOffset =
            zone ? DaySearchOffset(d.m_gregYear, d.m_gregMonth, d.m_gregDay, clockOffset) : p.timeZone;
        r.almanac = ComputeAlmanac(d.m_gregYear, d.m_gregMonth, d.m_gregDay, p.latitude, p.longitude, searchOffset,
                                   clockOffset);
        r.almanacTexts = FormatAlmanacTexts(*r.almanac);
    }
    return r;
}

}  // namespace chronel
