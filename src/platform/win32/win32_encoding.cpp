// The UTF-8 bridge on Windows, where there is no iconv: through UTF-16 with the system's code
// page conversions. The line-end mapping and the UTF-8 repair are the shared ones.
#include "platform/encoding/encoding.h"
#include "platform/encoding/line_ends.h"
#include "platform/encoding/utf8_repair.h"
#include "platform/win32/win32_text.h"

namespace zurvane {

Text text_from_utf8(std::string_view utf8) {
    return win32::text_from_wide(win32::wide_from_utf8(crlf_from_lf(replace_invalid_utf8(utf8))));
}

std::string text_to_utf8(std::string_view text) {
    return lf_from_crlf(win32::utf8_from_wide(win32::wide_from_text(text)));
}

}  // namespace zurvane
