// Captions and messages are written in the source as UTF-8 and used as Text (GBK bytes).
#pragma once

#include <string_view>

#include "text/text.h"

namespace zurvane {

Text ui_text(std::string_view utf8);

}  // namespace zurvane
