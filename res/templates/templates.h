#pragma once
// The dialog templates of the program's windows and the texts of its string table.

#include <array>
#include <string>

#include "platform/core/dialog_template.h"

namespace chronel {

const DialogTemplate& MainDialogTemplate();       // 102, the main window
const DialogTemplate& AboutDialogTemplate();      // 100, the About box
const DialogTemplate& LocationsDialogTemplate();  // 151, the Locations window
const DialogTemplate& ComputusDialogTemplate();   // 153, the Computus window

// String 101: the About item of the main window's context menu ('&' marks the mnemonic).
inline constexpr const char* kAboutMenuText = "&About Orvik...";

// The twelve month names, "January" at index 0; also the items of the month lists.
extern const std::array<std::string, 12> g_monthNames;

// The items of the era lists of both date panels: "BC" at index 0, "AD" at index 1.
extern const std::array<std::string, 2> g_eraItems;

}  // namespace chronel
