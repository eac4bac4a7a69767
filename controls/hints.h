// SPDX-License-Identifier: MIT
// Hints are tooltips holding their text exactly as written, line breaks
// "\r\n" and "\n\r" included; the filter shows such a break as one line
// break without changing the stored text.
#pragma once

#include <QString>

class QWidget;

namespace controls {

// ShownHint: the text a hint is shown with.
QString ShownHint(const QString& hint);  // "a\n\rb" -> "a\nb"

// InstallHintFilter: shows the widget's tooltip through ShownHint.
void InstallHintFilter(QWidget* widget);

}  // namespace controls
