#include "platform/qt/qt_text.h"

#include <QByteArray>

#include "platform/encoding/encoding.h"

namespace zurvane {

QString to_qstring(std::string_view text) {
    std::string utf8 = text_to_utf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text from_qstring(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return text_from_utf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString name_to_qstring(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace zurvane
