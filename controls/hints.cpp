// SPDX-License-Identifier: MIT
#include "controls/hints.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace controls {

namespace {

class HintFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->toolTip().isEmpty()) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), ShownHint(widget->toolTip()), widget);
    return true;
  }
};

}  // namespace

QString ShownHint(const QString& hint) {
  QString shown = hint;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  shown.remove(QLatin1Char('\r'));
  return shown;
}

void InstallHintFilter(QWidget* widget) {
  // One filter per widget, owned by it, so it goes with the widget.
  widget->installEventFilter(new HintFilter(widget));
}

}  // namespace controls
