#include "app/core/today.h"

#include <ctime>

namespace chronel {
namespace {
std::optional<CalendarDate>& Fixed() {
    static std::optional<CalendarDate> date;
    return date;
}
}  // namespace

void FixToday(std::optional<CalendarDate> date) { Fixed() = date; }

CalendarDate Today() {
    if (Fixed()) return *Fixed();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

}  // namespace chronel
