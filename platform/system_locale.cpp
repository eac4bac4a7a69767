// SPDX-License-Identifier: MIT
#include "platform/system_locale.h"

#include <QLocale>

#include "engine/environment.h"

namespace platform {

void ApplySystemLocale() {
  const QString point = QLocale::system().decimalPoint();
  // A separator outside ASCII cannot stand in the engine's byte texts.
  const char separator =
      point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : ',';
  engine::SetDecimalSeparator(separator);
}

}  // namespace platform
