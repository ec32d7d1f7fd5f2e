// The line joiner: turns hard-wrapped lines (CR LF between them) into one run of text.
#pragma once

#include "text/text.h"

namespace zurvane {

// Each line trimmed at both ends, spaces stripped when remove_spaces, empty lines dropped,
// nothing put between the lines.
Text join_lines(std::string_view source, bool remove_spaces);

}  // namespace zurvane
