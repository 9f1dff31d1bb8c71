#include "app/cli/arguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace chronel {

std::optional<std::string> ArgumentReader::Option(std::string_view name) {
    if (Done()) return std::nullopt;
    const std::string& a = m_args[m_next];
    if (a == name) {
        if (m_next + 1 >= m_args.size()) throw UsageError(std::string(name) + " needs a value");
        m_next += 2;
        return m_args[m_next - 1];
    }
    if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
        ++m_next;
        return a.substr(name.size() + 1);
    }
    return std::nullopt;
}

bool ArgumentReader::Flag(std::string_view name) {
    if (Done() || m_args[m_next] != name) return false;
    ++m_next;
    return true;
}

double ParseNumber(const std::string& text, std::string_view what) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    const bool hexOrWord = text.find_first_of("xXnN") != std::string::npos;  // no hex, inf or nan
    if (text.empty() || end != begin + text.size() || hexOrWord || !std::isfinite(value) || errno == ERANGE)
        throw UsageError(std::string(what) + " is not a number: '" + text + "'");
    return value;
}

long long ParseInteger(const std::string& text, std::string_view what, long long lower, long long upper) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (text.empty() || end != begin + text.size() || errno == ERANGE || text.front() == ' ')
        throw UsageError(std::string(what) + " is not a whole number: '" + text + "'");
    if (value < lower || value > upper)
        throw UsageError(std::string(what) + " must be from " + std::to_string(lower) + " to " + std::to_string(upper) +
                         ": '" + text + "'");
    return value;
}

std::string ParseChoice(const std::string& text, std::string_view what, const std::vector<std::string>& choices) {
    std::string list;
    for (const std::string& c : choices) {
        if (c == text) return c;
        list += (list.empty() ? "" : "|") + c;
    }
    throw UsageError(std::string(what) + " must be " + list + ": '" + text + "'");
}

}  // namespace chronel
