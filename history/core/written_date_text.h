#pragma once
// Written dates as text: reading "10 February 1750", "10 Feb 1750/51", "1 9 7208", and the
// one-sentence explanations of a written date that matches no day.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "history/core/eras.h"
#include "history/core/local_date.h"
#include "history/core/written_date.h"
#include "history/core/year_styles.h"

namespace chronel {

inline constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// What ParseWrittenDate read: a date, or the sentence that says why the text is no date.
struct WrittenDateParse {
    std::optional<WrittenDate> date;
    std::string error;  // empty when date is set
};

// Reads "DAY MONTH YEAR [ERA]", the parts separated by white space:
//  - DAY: 1..31;
//  - MONTH: a name of monthNames, ignoring case, an English three-letter abbreviation ("Feb",
//    "feb.", also "Sept"), or a number 1..12;
//  - YEAR: a whole number with an optional sign, or a dual year "1750/51", "1750/1751",
//    "1699/00": the second part gives the last digits of the following year (1699/00 is
//    1699 and 1700); a dual year needs a first year of at least 1;
//  - ERA, optional: the rest of the text, an era name as FindEraByName reads it.
// The dual year's second number is kept as read; FindWrittenDate checks that it is one more.
WrittenDateParse ParseWrittenDate(std::string_view text, std::span<const CEra> eras,
                                  std::span<const std::string, 12> monthNames);

// The same from the separate texts of a row's day, month and year fields (and an era text,
// empty for none), each read as above.
WrittenDateParse ParseWrittenFields(std::string_view dayText, std::string_view monthText, std::string_view yearText,
                                    std::string_view eraText, std::span<const CEra> eras,
                                    std::span<const std::string, 12> monthNames);

// Month 1..12 from a name, an abbreviation or a number as above.
std::optional<int> ParseMonth(std::string_view text, std::span<const std::string, 12> monthNames);

// The era index whose name equals text ignoring case and surrounding blanks; a trailing
// " Era" may be left out ("Byzantine" is the Byzantine Era), and "AD", "AM", "AUC" and
// "Olympic" stand for Anno Domini, Anno Mundi, Ab Urbe condita and the Olympic Games Era.
std::optional<int> FindEraByName(std::span<const CEra> eras, std::string_view text);

// 0 = Sunday ... 6 = Saturday, from an English name or its three-letter abbreviation, ignoring
// case and surrounding blanks.
std::optional<int> ParseWeekday(std::string_view text);

// Weekday (0 = Sunday) of the civil day containing jd.
int WeekdayOf(double jd);

// "10 February 1750"; a dual year in its short form when the second year is the next one
// ("1750/51", "1699/00"), else in full.
std::string FormatWrittenDate(const WrittenDate& written, std::span<const std::string, 12> monthNames);

// "2 September 1752": the day, month name and year of a local date that has a date.
std::string FormatLocalDate(const LocalDate& local, std::span<const std::string, 12> monthNames);

// The sentences of FindWrittenDate's problems. Dates are passed already formatted.
namespace written_date_text {

std::string NoSuchMonth(int month);
std::string NoSuchDay(int day, int month, std::span<const std::string, 12> monthNames);
std::string UnknownRegion(std::string_view name);
std::string NoHistory(std::string_view region);
std::string UnknownEra(int era);
std::string EraNotUsed(std::string_view region, std::string_view eraName);
std::string BadDualYear(int year, int dualYear);
// style: the style the plain date was written in, or nullptr for the Gregorian calendar.
std::string NotADualDate(std::string_view written, std::string_view region, std::string_view plain,
                         const CYearStyle* style, std::span<const std::string, 12> monthNames);
std::string ReformGap(std::string_view region, std::string_view lastJulian, std::string_view firstGregorian);
std::string MonthTooShort(std::string_view region, std::string_view monthAndYear, int days, bool gregorian);
std::string YearCutShort(std::string_view region, int year, std::string_view styleName, std::string_view first,
                         std::string_view last, std::string_view dayAndMonth);
// last empty: the reckoning lasts to the end of the supported range.
std::string NotWrittenThen(std::string_view region, std::string_view written, bool gregorian,
                           std::string_view eraName, std::string_view styleName, std::string_view first,
                           std::string_view last);
std::string BeforeHistory(std::string_view region, std::string_view firstDay, std::string_view written);
std::string OutsideRange(std::string_view written);

}  // namespace written_date_text

}  // namespace chronel
