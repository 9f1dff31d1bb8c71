#pragma once
// The settings the program keeps between runs, in the user's configuration folder
// (~/.config/chronel/chronel.conf, or under $XDG_CONFIG_HOME).

#include <QSettings>
#include <iosfwd>
#include <memory>

namespace chronel {

// The user's settings file; an unreadable or broken one is reported in one line on errors and
// then ignored (every setting at its default; nothing is written over it).
std::unique_ptr<QSettings> OpenUserSettings(std::ostream& errors);

// Keys of the stored settings.
inline constexpr const char* kClockTimeSetting = "display/clockTime";
inline constexpr const char* kPhaseInUniversalTimeSetting = "display/phaseInUniversalTime";

}  // namespace chronel
