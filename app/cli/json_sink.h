#pragma once
// Writes the fields as compact JSON (RFC 8259) onto the end of a string: one value per record.

#include <string>
#include <vector>

#include "app/cli/field_sink.h"

namespace chronel {

class JsonSink : public FieldSink {
public:
    explicit JsonSink(std::string& out) : m_out(out) {}
    void BeginObject(std::string_view key) override;
    void EndObject() override;
    void BeginArray(std::string_view key) override;
    void EndArray() override;
    void Text(std::string_view key, std::string_view value) override;
    void Number(std::string_view key, double value) override;
    void Null(std::string_view key) override;
    void Bool(std::string_view key, bool value) override;

private:
    void Key(std::string_view key);  // the comma before a sibling, and the key of an object member
    void Open(std::string_view key, char bracket);  // an object or an array, after its key
    void Close(char bracket);

    std::string& m_out;
    std::vector<bool> m_first;  // per open object or array: no member written yet
};

// value as a JSON string literal: quotes, backslashes and control characters escaped; other
// bytes are copied as they are.
void AppendJsonString(std::string& out, std::string_view value);

// The shortest decimal text that reads back as the same double ("51.5", "-0.1166666666666667").
void AppendJsonNumber(std::string& out, double value);

}  // namespace chronel
