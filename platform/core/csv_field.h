#pragma once
// One field of a CSV record as RFC 4180 writes it: as it is, unless it holds a comma, a double
// quote or a line break; then within double quotes, each quote inside doubled.

#include <string>
#include <string_view>

namespace chronel {

inline void AppendCsvValue(std::string& out, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace chronel
