// Texts into and out of Qt. Everything the tool shows or reads through Qt passes here, so the
// GB18030 ↔ Unicode and CR LF ↔ LF mapping happens in one place (the encoding bridge).
#pragma once

#include <QString>
#include <string_view>

#include "text/text.h"

namespace zurvane {

QString to_qstring(std::string_view text);
Text from_qstring(const QString& text);

// The stored names of controls are UTF-8 identifiers, not Texts.
QString name_to_qstring(std::string_view name);

}  // namespace zurvane
