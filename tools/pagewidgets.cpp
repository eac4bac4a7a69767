// SPDX-License-Identifier: MIT
#include "tools/pagewidgets.h"

#include <QMouseEvent>

#include "controls/hints.h"
#include "engine/urlencode.h"
#include "platform/clipboard.h"
#include "platform/openurl.h"
#include "platform/qtext.h"

TCopyField::TCopyField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  controls::InstallHintFilter(this);
}

void TCopyField::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (copyOnDoubleClick_) platform::CopyText(text().toStdString());
  emit DoubleClicked();
}

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
  controls::InstallHintFilter(this);
}

void TLinkLabel::SetAddress(const QString& address) {
  address_ = address;
  setCursor(address.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  pressedLeft_ = event->button() == Qt::LeftButton;
  emit Pressed(event->button());
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const bool click =
      pressedLeft_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressedLeft_ = false;
  if (!click) return;
  if (!address_.isEmpty()) platform::OpenUrl(address_.toStdString());
  emit Clicked();
}

namespace tools {

using platform::Q;

void PreparePage(QWidget* page) {
  page->resize(kPageWidth, kPageHeight);
  QFont font = page->font();
  font.setPixelSize(11);
  page->setFont(font);
}

QString WikiAddress(std::string_view title) {
  return QStringLiteral("https://de.wikipedia.org/wiki/") + Q(engine::UrlEncode(title));
}

}  // namespace tools
