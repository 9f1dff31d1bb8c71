#pragma once
// What a screen reader says for each control of the windows: the label the control stands
// beside, and for a field of a group the part it holds ("Gregorian Date, day"), so that a user
// hears "Gregorian Date, day, 11" rather than "edit".

#include <span>

#include "platform/core/dialog_template.h"

namespace chronel {

std::span<const ControlName> MainDialogAccessibleNames();
std::span<const ControlName> LocationsDialogAccessibleNames();
std::span<const ControlName> ComputusDialogAccessibleNames();

}  // namespace chronel
