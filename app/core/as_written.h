#pragma once
// Going to a day typed as a region wrote it: the day, month and year typed into a row of
// "Local Historical Dates" read back to the day they name.

#include <optional>
#include <string>
#include <string_view>

#include "app/core/catalogues.h"

namespace chronel {

struct AsWrittenAnswer {
    std::optional<double> jd;  // midnight of the first matching day; empty when none matches
    // What the window says under the rows: why no day matches, or the other days that match
    // too; empty when the one matching day says it all.
    std::string note;
};

// dayText, monthText, yearText as typed into the row's fields (a month by name, English
// abbreviation or number; a dual year such as "1750/51").
AsWrittenAnswer LookUpAsWritten(const Catalogues& catalogues, std::string_view region, std::string_view dayText,
                                std::string_view monthText, std::string_view yearText);

}  // namespace chronel
