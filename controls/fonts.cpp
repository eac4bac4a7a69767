// SPDX-License-Identifier: MIT
#include "controls/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace controls {

QFont FixedFieldFont(int points, bool bold) {
  QFont font(QStringLiteral("Courier New"), points, bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);
  // Right alignment by leading blanks needs equal character widths.
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(points);
    font.setBold(bold);
  }
  return font;
}

}  // namespace controls
