#pragma once
// `chronel almanac`: a year of the almanac at one place, as a table, JSON or iCalendar.

#include <string>
#include <vector>

#include "app/cli/output.h"
#include "app/core/catalogues.h"
#include "app/core/day_query.h"

namespace chronel {

enum class AlmanacFormat { Text, Csv, Json, ICalendar };

struct AlmanacCommand {
    int year = 2000;  // Gregorian, astronomical numbering
    DayPlace place;
    bool clockTime = false;
    AlmanacFormat format = AlmanacFormat::Text;
};

extern const char kAlmanacUsage[];

AlmanacCommand ParseAlmanacCommand(const std::vector<std::string>& args, const Catalogues& catalogues);

// stampJdUt: the instant the iCalendar file says it was made (DTSTAMP).
void WriteAlmanacYear(const AlmanacCommand& command, double stampJdUt, Output& out);

int RunAlmanacCommand(const std::vector<std::string>& args);

}  // namespace chronel
