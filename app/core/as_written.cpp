#include "app/core/as_written.h"

#include "app/core/date_state.h"
#include "history/core/written_date.h"
#include "history/core/written_date_text.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

// "Monday 1 September 7208 (JD 4353971.50)", the Gregorian date as the date panel shows it.
std::string DayText(double jd) {
    const DatePanelTexts p = FormatDatePanelsAt(jd);
    return p.weekday + " " + p.gregDay + " " + g_monthNames[static_cast<std::size_t>(p.gregMonthItem)] + " " + p.gregYear +
           (p.gregEraItem == 0 ? " BC" : "") + " (JD " + p.julianDay + ")";
}

}  // namespace

AsWrittenAnswer LookUpAsWritten(const Catalogues& c, std::string_view region, std::string_view dayText,
                                std::string_view monthText, std::string_view yearText) {
    const WrittenDateParse parsed = ParseWrittenFields(dayText, monthText, yearText, "", c.eras, g_monthNames);
    if (!parsed.date) return {std::nullopt, parsed.error};
    const WrittenDateLookup lookup = FindWrittenDateIn(c.regions, region, *parsed.date, c.eras, c.styles, g_monthNames);
    if (lookup.readings.empty()) return {std::nullopt, lookup.explanation};
    AsWrittenAnswer answer{lookup.readings.front().jd, {}};
    for (std::size_t i = 1; i < lookup.readings.size(); ++i)
        answer.note += (i == 1 ? "Also written so on " : "; ") + DayText(lookup.readings[i].jd);
    if (!answer.note.empty()) answer.note += ".";
    return answer;
}

}  // namespace chronel
