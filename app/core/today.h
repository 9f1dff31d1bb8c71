#pragma once
// Today's local calendar date, read from the system clock. Tests and the driver fix it.

#include <optional>

#include "calendar/day_numbers.h"

namespace chronel {

CalendarDate Today();  // Gregorian, astronomical year
void FixToday(std::optional<CalendarDate> date);  // nullopt returns to the system clock

}  // namespace chronel
