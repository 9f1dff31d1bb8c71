// Any text typed into a number field: a whole number or a finite decimal, inside the limits
// when clamped, never a negative zero.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/edit_number.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chronel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const int free = ReadEditInt(text, 0, 0, false);
    const int day = ReadEditInt(text, 1, 31, true);
    FUZZ_CHECK(day >= 1 && day <= 31);
    FUZZ_CHECK(day == (free < 1 ? 1 : free > 31 ? 31 : free));

    const double jd = ReadEditDouble(text, 0, 0, false);
    FUZZ_CHECK(std::isfinite(jd));
    FUZZ_CHECK(!(jd == 0.0 && std::signbit(jd)));
    const double zone = ReadEditDouble(text, -12.0, 12.0, true);
    FUZZ_CHECK(zone >= -12.0 && zone <= 12.0);
    FUZZ_CHECK(!(zone == 0.0 && std::signbit(zone)));
    FUZZ_CHECK(zone == (jd < -12.0 ? -12.0 : jd > 12.0 ? 12.0 : jd));
    // The two readings agree on the sign (a decimal may underflow to 0: "1e-400").
    if (free != 0 && jd != 0.0) FUZZ_CHECK((free > 0) == (jd > 0.0));
    return 0;
}
