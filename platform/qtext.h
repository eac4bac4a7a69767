// SPDX-License-Identifier: MIT
// The one crossing between the engine's UTF-8 texts and Qt's: every widget
// converts here, so no text is ever read in another encoding.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// Q: a UTF-8 text as a QString.
inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}  // "März" -> u"März"

// S: a QString as a UTF-8 text.
inline std::string S(const QString& text) {
  return text.toStdString();
}  // u"März" -> "März"

}  // namespace platform
