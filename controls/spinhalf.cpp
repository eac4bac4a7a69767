// SPDX-License-Identifier: MIT
#include "controls/spinhalf.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

#include "controls/accessible.h"
#include "controls/hints.h"

TSpinHalf::TSpinHalf(QWidget* parent) : QWidget(parent) {
  controls::MarkAsButton(this, [this] { Press(); });
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  controls::InstallHintFilter(this);
}

void TSpinHalf::SetLowered(bool lowered) {
  if (lowered_ == lowered) return;
  lowered_ = lowered;
  update();
}

void TSpinHalf::SetHint(const QString& hint) {
  setToolTip(hint);
  setAccessibleName(hint);
}

void TSpinHalf::Press() {
  if (!isEnabled()) return;
  emit Pressed();
  emit Stepped();
  emit Released();
  emit Clicked();
}

void TSpinHalf::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The classic bevel: white light and a mid-grey shadow, which stays
  // visible next to a white field where the style's own colours fade.
  QPalette bevel = palette();
  bevel.setColor(QPalette::Light, Qt::white);
  bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
  const QBrush face = palette().button();
  qDrawShadePanel(&painter, rect(), bevel, lowered_, 1, &face);
}

void TSpinHalf::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  held_ = true;
  SetLowered(true);
  emit Pressed();
}

void TSpinHalf::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !held_) return QWidget::mouseReleaseEvent(event);
  held_ = false;
  SetLowered(false);
  emit Released();
  if (rect().contains(event->position().toPoint())) emit Clicked();
}
