#pragma once
// The almanac of a day as the command line writes it; the keys are a contract like those of
// the day's other fields.

#include "app/cli/field_sink.h"
#include "astro/core/almanac_texts.h"

namespace chronel {

// One object: the twelve event times ("HH:MM", or "always above", "always below", "none"),
// solarNoonAltitude, dayLength, moonIllumination, moonAge, moonWaxing, deltaT, phases,
// nextSeason; with withDate, a "date" ("YYYY-MM-DD") first.
void WriteAlmanacObject(FieldSink& sink, std::string_view key, const AlmanacTexts& texts, bool withDate);

}  // namespace chronel
