#include "ui/clipboard.h"

namespace zurvane {

bool clipboard_offers_text(Platform& platform) {
    return platform.clipboard_has_text();
}

std::optional<Text> fetch_clipboard_text(Platform& platform) {
    std::optional<Text> text = platform.read_clipboard_text();
    if (text) {
        // A Text holds no 0x00 byte: raw clipboard data ends at the first one.
        auto nul = text->find('\0');
        if (nul != Text::npos) text->resize(nul);
    }
    return text;
}

bool put_clipboard_text(Platform& platform, std::string_view text) {
    // A 0x00 byte would end the text for every reader; store only what comes before it.
    return platform.write_clipboard_text(text.substr(0, text.find('\0')));
}

}  // namespace zurvane
