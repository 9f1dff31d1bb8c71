#pragma once
// How a place's clocks stand to Universal Time: a fixed offset, or the rules of a time zone
// (historical offsets, daylight saving, local mean time before standard time).

#include <functional>

namespace chronel {

// Hours east of Greenwich that the place's clocks showed at the instant jdUt (a Julian Day in
// Universal Time).
using UtcOffsetAt = std::function<double(double jdUt)>;

// Clocks that always stand the same number of hours east of Greenwich.
inline UtcOffsetAt FixedUtcOffset(double hours) {
    return [hours](double) { return hours; };
}

}  // namespace chronel
