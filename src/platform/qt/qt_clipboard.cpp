#include "platform/qt/qt_clipboard.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/encoding/encoding.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/x11_display.h"

namespace zurvane {

bool QtClipboard::served_by_qt() {
    xcb_connection_t* connection = qt_xcb_connection();
    if (connection == nullptr) return true;
    if (QGuiApplication::clipboard()->ownsClipboard()) return true;
    // Qt may not yet have noticed that it took the selection; its windows carry the
    // resource-id base of its connection.
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const unsigned int owner = reader_.clipboard_owner();
    return owner != 0 && (owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

bool QtClipboard::has_text() {
    if (served_by_qt()) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data != nullptr && data->hasText();
    }
    return reader_.clipboard_offer() == SelectionOffer::text;
}

std::optional<Text> QtClipboard::read_text() {
    if (served_by_qt()) return from_qstring(QGuiApplication::clipboard()->text());
    std::optional<std::string> utf8 = reader_.clipboard_utf8();
    if (!utf8) return std::nullopt;
    return text_from_utf8(*utf8);
}

bool QtClipboard::write_text(std::string_view text) {
    // setText builds the new data before it takes the selection, so a failure leaves the old
    // owner in place.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(to_qstring(text));
    return qt_xcb_connection() == nullptr || clipboard->ownsClipboard();
}

}  // namespace zurvane
