#pragma once
// Reading numbers typed into edit fields, as C's "%d" and "%lf" read them: leading white space
// is skipped, an optional sign and the number that follows are read, and reading stops at the
// first other character. Text with no number reads as 0. A number too large for the type is
// brought to the type's limit; "inf" and "nan" read as 0. With clamp set, the value is then
// limited to [minimum, maximum] (minimum first, then maximum). One sign is read: "--5" and "+-5"
// read as 0. A decimal zero is always +0.0, never -0.0.

#include <string_view>

namespace chronel {

int ReadEditInt(std::string_view text, int minimum, int maximum, bool clamp);
double ReadEditDouble(std::string_view text, double minimum, double maximum, bool clamp);

}  // namespace chronel
