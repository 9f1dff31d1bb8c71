#pragma once
// Texts of the five rise and set fields of the main window.

#include <string>

#include "astro/core/rise_set.h"

namespace chronel {

struct RiseSetTexts {
    std::string sunrise;    // field 1033
    std::string sunset;     // field 1034
    std::string dayLength;  // field 1035
    std::string moonrise;   // field 1036
    std::string moonset;    // field 1037
};

// A found time reads "hh:mm" (00:00 to 24:00); a missing rise or set of a day with the other
// event reads " ----- "; a day with neither reads " above" + " horizon" or " below" +
// " horizon" across the two fields. The day length is the set less the rise (plus 24 hours
// when the set comes first on the clock), rounded after the subtraction; it reads " ----- "
// whenever the Sun does not both rise and set. Every text is always set.
RiseSetTexts FormatRiseSetTexts(const RiseSetResult& result);

}  // namespace chronel
