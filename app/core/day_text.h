#pragma once
// One day as a person reads it, with the labels of the windows: the text of `chronel day` and
// of the main window's copy command.

#include <string>

#include "app/core/day_report.h"

namespace chronel {

// Lines of "Label:" and value, the values aligned in one column, each line ended by '\n'.
std::string FormatDayText(const DayReport& report);

}  // namespace chronel
