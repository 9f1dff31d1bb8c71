#include "app/core/edit_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace chronel {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Skips white space and reads an optional sign; returns true for '-'.
bool SkipSpaceAndSign(std::string_view& s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    return negative;
}

}  // namespace

int ReadEditInt(std::string_view text, int minimum, int maximum, bool clamp) {
    const bool negative = SkipSpaceAndSign(text);
    std::int64_t magnitude = 0;
    bool any = false;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        any = true;
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c - '0'), kLimit);  // saturate
    }
    int value = 0;
    if (any) {
        const std::int64_t v = negative ? -magnitude : magnitude;
        value = static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                          std::numeric_limits<int>::max()));
    }
    if (clamp) {
        if (value < minimum) value = minimum;
        if (value > maximum) value = maximum;
    }
    return value;
}

double ReadEditDouble(std::string_view text, double minimum, double maximum, bool clamp) {
    const bool negative = SkipSpaceAndSign(text);
    // One sign only: from_chars would take a second '-' itself ("--5" as 5, "+-5" as -5).
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text = {};
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves value untouched; decide between overflow and underflow by the
        // exponent the text carries: a huge mantissa or positive exponent overflows.
        const std::string digits(text.substr(0, static_cast<std::size_t>(end - text.data())));
        const double probe = std::strtod(digits.c_str(), nullptr);  // +-HUGE_VAL or 0 here
        value = std::isinf(probe) ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc{} || !std::isfinite(value)) {
        value = 0.0;
    }
    if (negative) value = -value;
    if (clamp) {
        if (value < minimum) value = minimum;
        if (value > maximum) value = maximum;
    }
    // A zero is always +0.0, so that "-", "-0" or "-1e-400" never show as "-0.00".
    if (value == 0.0) value = 0.0;
    return value;
}

}  // namespace chronel
