#include "platform/ui/font_config_reader.h"

#include <fontconfig/fontconfig.h>

namespace chronel {

FontConfigReader::FontConfigReader() : reader_([] { FcInit(); }) {}

FontConfigReader::~FontConfigReader() { Wait(); }

void FontConfigReader::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace chronel
