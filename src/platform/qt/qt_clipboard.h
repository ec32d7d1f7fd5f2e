// The X11 CLIPBOARD selection as the tool's three clipboard primitives. Qt writes and serves
// our own text (and hands it to a clipboard manager at exit); other owners are read with a time
// limit on a connection of our own, so that one that does not answer reads as "unreadable".
#pragma once

#include <optional>
#include <string_view>

#include "platform/qt/x11_selection_reader.h"
#include "text/text.h"

namespace zurvane {

class QtClipboard {
public:
    bool has_text();
    // nullopt: the clipboard could not be read.
    std::optional<Text> read_text();
    bool write_text(std::string_view text);

private:
    // True when the selection is ours (Qt's), or when Qt does not run on X11.
    bool served_by_qt();

    X11SelectionReader reader_;
};

}  // namespace zurvane
