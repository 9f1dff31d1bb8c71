#pragma once
// The day engine: one pure function from a query to everything shown for that day. It reads
// only its arguments, so the window, the command line and any export get the same answers.

#include "app/core/catalogues.h"
#include "app/core/day_query.h"
#include "app/core/day_report.h"

namespace chronel {

DayReport ComputeDay(const DayQuery& query, const Catalogues& catalogues);

// One "Local Historical Dates" row of a day whose dates are derived (ComputeDay's own rows).
LocalDateRowReport ComputeLocalDateRow(const std::string& region, const DateState& dates, const Catalogues& catalogues);

}  // namespace chronel
