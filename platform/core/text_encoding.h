#pragma once
// Text of the data files as UTF-8. A file that is valid UTF-8 is taken as it is; any other file
// is taken as Latin-1 (ISO 8859-1: every byte one character), the single-byte text of older
// files, and converted.

#include <string>
#include <string_view>

namespace chronel {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Well-formed UTF-8 (RFC 3629): no overlong form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Every byte as the character of the same number.
std::string Latin1ToUtf8(std::string_view text);

// text unchanged when it is valid UTF-8, otherwise Latin1ToUtf8(text).
std::string AsUtf8(std::string_view text);

}  // namespace chronel
