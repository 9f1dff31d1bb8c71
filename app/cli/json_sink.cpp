#include "app/cli/json_sink.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace chronel {

void AppendJsonString(std::string& out, std::string_view value) {
    out += '"';
    for (const char c : value) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {  // JSON has no infinity or NaN
        out += "null";
        return;
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

void JsonSink::Key(std::string_view key) {
    if (!m_first.empty()) {
        if (!m_first.back()) m_out += ',';
        m_first.back() = false;
    }
    if (!key.empty()) {
        AppendJsonString(m_out, key);
        m_out += ':';
    }
}

void JsonSink::Open(std::string_view key, char bracket) {
    Key(key);
    m_out += bracket;
    m_first.push_back(true);
}

void JsonSink::Close(char bracket) {
    m_out += bracket;
    m_first.pop_back();
}

void JsonSink::BeginObject(std::string_view key) { Open(key, '{'); }

void JsonSink::EndObject() { Close('}'); }

void JsonSink::BeginArray(std::string_view key) { Open(key, '['); }

void JsonSink::EndArray() { Close(']'); }

void JsonSink::Text(std::string_view key, std::string_view value) {
    Key(key);
    AppendJsonString(m_out, value);
}

void JsonSink::Number(std::string_view key, double value) {
    Key(key);
    AppendJsonNumber(m_out, value);
}

void JsonSink::Null(std::string_view key) {
    Key(key);
    m_out += "null";
}

void JsonSink::Bool(std::string_view key, bool value) {
    Key(key);
    m_out += value ? "true" : "false";
}

}  // namespace chronel
