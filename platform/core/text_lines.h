#pragma once
// The lines of a text held in memory: a line ends at a line feed, a carriage return right
// before it belongs to the line end, and the last line may lack the line feed. A line longer
// than the limit is reported as too long (and its bytes are still passed over whole), so that
// a reader can refuse it instead of holding it.

#include <cstddef>
#include <string_view>

namespace chronel {

// 64 KiB: far beyond any line of the data files, small enough that no line costs memory.
inline constexpr std::size_t kMaxDataLineLength = 64 * 1024;

struct TextLine {
    std::string_view text;     // without its line end; empty when tooLong
    std::string_view raw;      // as in the text, without the line feed (a '\r' kept)
    bool tooLong = false;      // more than the limit's bytes before the line end
    bool hadLineFeed = false;  // false only for a last line without one
};

class TextLines {
public:
    TextLines(std::string_view text, std::size_t maxLength) : text_(text), max_(maxLength) {}

    // The next line; false after the last one.
    bool Next(TextLine& line);

private:
    std::string_view text_;
    std::size_t max_;
    std::size_t pos_ = 0;
};

}  // namespace chronel
