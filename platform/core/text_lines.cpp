#include "platform/core/text_lines.h"

namespace chronel {

bool TextLines::Next(TextLine& line) {
    if (pos_ >= text_.size()) return false;
    const std::size_t feed = text_.find('\n', pos_);
    const std::size_t end = feed == std::string_view::npos ? text_.size() : feed;
    line.raw = text_.substr(pos_, end - pos_);
    line.hadLineFeed = feed != std::string_view::npos;
    pos_ = line.hadLineFeed ? end + 1 : end;

    std::string_view body = line.raw;
    if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
    line.tooLong = body.size() > max_;
    line.text = line.tooLong ? std::string_view{} : body;
    return true;
}

}  // namespace chronel
