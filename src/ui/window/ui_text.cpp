#include "ui/window/ui_text.h"

#include "platform/encoding/encoding.h"

namespace zurvane {

Text ui_text(std::string_view utf8) {
    return text_from_utf8(utf8);
}

}  // namespace zurvane
