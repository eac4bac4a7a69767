// SPDX-License-Identifier: MIT
#include "app/tray.h"

#include <QAction>
#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSystemTrayIcon>
#include <algorithm>

#include "controls/accessible.h"
#include "platform/clipboard.h"

namespace {

// The badge: the program's red, darkened so that white digits on it are
// well readable, with a darker edge that holds it apart from a red or
// light panel; grey when disabled.
const QColor kBadge(200, 0, 0);
const QColor kEdge(110, 0, 0);
const QColor kDisabledBadge(128, 128, 128);
const QColor kDisabledEdge(80, 80, 80);

// The digits as large as the badge allows: the largest font whose tight
// outline fits the inner box, centred on it.
void DrawDigits(QPainter& painter, const QRectF& box, const QString& digits) {
  QFont font;
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  QPainterPath path;
  path.addText(0, 0, font, digits);
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty()) return;
  // Two digits may be a little narrower than their font makes them, so
  // that they stay tall on the small square.
  const qreal scaleY = box.height() / bounds.height();
  const qreal scaleX = std::min(scaleY, box.width() / bounds.width());
  painter.save();
  painter.translate(box.center());
  painter.scale(scaleX, scaleY);
  painter.translate(-bounds.center());
  painter.fillPath(path, Qt::white);
  painter.restore();
}

void DrawWeek(QPainter& painter, const QRectF& rect, const QString& digits, bool enabled) {
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = std::min(rect.width(), rect.height());
  const QRectF square(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
  // One pixel of edge on the small sizes, thicker on the large ones.
  const qreal edge = std::max<qreal>(1.0, side / 32);
  const QRectF badge = square.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  const qreal radius = side * 0.2;
  painter.setPen(QPen(enabled ? kEdge : kDisabledEdge, edge));
  painter.setBrush(enabled ? kBadge : kDisabledBadge);
  painter.drawRoundedRect(badge, radius, radius);
  // The digits fill the badge but its rounded corners.
  const QRectF inner = square.adjusted(side * 0.09, side * 0.15, -side * 0.09, -side * 0.15);
  DrawDigits(painter, inner, digits);
}

// Draws the week at whatever size and ratio is asked, so that no desktop
// scales a picture made for another size.
class WeekIconEngine : public QIconEngine {
 public:
  explicit WeekIconEngine(QString digits) : digits_(std::move(digits)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    DrawWeek(*painter, rect, digits_, mode != QIcon::Disabled);
    painter->restore();
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return {side, side};
  }
  // The size is in device pixels; the icon gives the pixmap its ratio.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    return WeekPicture(digits_, std::min(size.width(), size.height()), 1.0,
                       mode != QIcon::Disabled);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int size : TTray::kSizes) sizes.append(QSize(size, size));
    return sizes;
  }
  QString key() const override { return QStringLiteral("RaZaduvoviWeek"); }
  QIconEngine* clone() const override { return new WeekIconEngine(digits_); }
  bool isNull() override { return digits_.isEmpty(); }

 private:
  QString digits_;
};

}  // namespace

QPixmap WeekPicture(const QString& digits, int size, qreal ratio, bool enabled) {
  if (size <= 0 || ratio <= 0) return {};
  // Drawn on the device pixels themselves, so that a picture for a dense
  // screen is as sharp as one for its size at ratio 1.
  const int pixels = std::max(1, qRound(size * ratio));
  QPixmap picture(pixels, pixels);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    DrawWeek(painter, QRectF(0, 0, pixels, pixels), digits, enabled);
  }
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QIcon WeekIcon(const QString& digits) {
  return QIcon(new WeekIconEngine(digits));
}

TTray::TTray(QObject* parent) : QObject(parent), menu_(std::make_unique<QMenu>()) {
  setObjectName(QStringLiteral("Tray"));
  icon_ = new QSystemTrayIcon(this);
  icon_->setObjectName(QStringLiteral("TrayIcon"));
  menu_->setObjectName(QStringLiteral("TrayMenu"));
  connect(AddAction("Act_OpenCal", "Kalenderblatt öffnen"), &QAction::triggered, this,
          &TTray::OpenCalendarRequested);
  connect(AddAction("Act_Zins", "Zinsen"), &QAction::triggered, this, &TTray::InterestRequested);
  menu_->addSeparator();
  connect(AddAction("Act_CopyDate", "Datum kopieren"), &QAction::triggered, this,
          &TTray::Act_CopyDateClick);
  connect(AddAction("Act_CopyWeek", "KW kopieren"), &QAction::triggered, this,
          &TTray::Act_CopyWeekClick);
  menu_->addSeparator();
  connect(AddAction("Act_Quit", "Beenden"), &QAction::triggered, this, &TTray::QuitRequested);
  controls::AddMnemonics(menu_.get());
  icon_->setContextMenu(menu_.get());
  connect(icon_, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // The right button opens the menu by itself; a double click
            // follows a click, which already toggled.
            if (reason == QSystemTrayIcon::Trigger) emit ToggleRequested();
          });
}

TTray::~TTray() {
  // The symbol leaves the tray before its menu goes.
  icon_->hide();
  icon_->setContextMenu(nullptr);
}

QAction* TTray::AddAction(const char* name, const char* text) {
  QAction* action = menu_->addAction(QString::fromUtf8(text));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void TTray::ShowDay(int dayNumber, const QString& region) {
  if (day_.valid && day_.dayNumber == dayNumber && region == region_) return;
  app::TrayDay day = app::TrayDayOf(dayNumber, region.toStdString());
  if (!day.valid) return;
  const bool newPicture = day.digits != day_.digits;
  day_ = std::move(day);
  region_ = region;
  if (newPicture) icon_->setIcon(WeekIcon(QString::fromStdString(day_.digits)));
  icon_->setToolTip(QString::fromStdString(day_.toolTip));
}

void TTray::SetVisible(bool visible) {
  icon_->setVisible(visible);
}

bool TTray::IsVisible() const {
  return icon_->isVisible();
}

void TTray::Act_CopyDateClick() {
  if (day_.valid) platform::CopyText(day_.date);
}

void TTray::Act_CopyWeekClick() {
  if (day_.valid) platform::CopyText(day_.weekText);
}
