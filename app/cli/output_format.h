#pragma once
// The output formats that `chronel day`, `easter` and `convert` share, and reading --format.

#include <string>

#include "app/cli/arguments.h"

namespace chronel {

enum class OutputFormat { Text, Json, Csv };

// The value of --format: text, json or csv; a usage error otherwise.
inline OutputFormat ParseOutputFormat(const std::string& text) {
    const std::string f = ParseChoice(text, "--format", {"text", "json", "csv"});
    return f == "json" ? OutputFormat::Json : f == "csv" ? OutputFormat::Csv : OutputFormat::Text;
}

}  // namespace chronel
