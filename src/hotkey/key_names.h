// Display names of key codes (Windows virtual-key codes), as the hotkey window shows them.
#pragma once

#include "text/text.h"

namespace zurvane {

// The key's name, or the empty text for a code that has none (exact match only).
Text key_name(int code);

}  // namespace zurvane
