#pragma once
// A nested record of named fields written once and read out in several formats (JSON, CSV).
// Writers call the sink in document order; a key is empty for an element of an array.

#include <string_view>

namespace chronel {

class FieldSink {
public:
    virtual ~FieldSink() = default;
    virtual void BeginObject(std::string_view key) = 0;
    virtual void EndObject() = 0;
    virtual void BeginArray(std::string_view key) = 0;
    virtual void EndArray() = 0;
    virtual void Text(std::string_view key, std::string_view value) = 0;
    virtual void Number(std::string_view key, double value) = 0;
    virtual void Null(std::string_view key) = 0;
    virtual void Bool(std::string_view key, bool value) = 0;
    // True for a table, whose every record must have the same columns: a list of varying
    // length is then written as one text.
    virtual bool Tabular() const { return false; }
};

}  // namespace chronel
