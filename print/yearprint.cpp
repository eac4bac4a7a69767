// SPDX-License-Identifier: MIT
#include "print/yearprint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/qtext.h"

namespace print {
namespace {

// The page is drawn in tenths of a millimetre of the printable area, so the
// layout is the same on every device and at every resolution.
constexpr int kWidth = 2770;   // 297 mm less two margins of 10 mm
constexpr int kHeight = 1900;  // 210 mm less two margins
constexpr int kTitleHeight = 100;
constexpr int kLegendHeight = 60;
constexpr int kListWidth = 600;
constexpr int kGap = 40;
constexpr int kMonthColumns = 4;
constexpr int kMonthRows = 3;

// The page's own colours: the screen's weekday and holiday marks, which a
// printed page keeps so that a reader knows them from the month sheet.
const QColor kSaturdayColor{128, 0, 0};        // maroon
const QColor kSundayColor{255, 0, 0};          // red
const QColor kLegalHolidayColor{255, 0, 255};  // fuchsia
const QColor kRuleColor{160, 160, 160};
const QColor kWeekColor{96, 96, 96};
const QColor kBridgeColor{0, 96, 160};            // a calm blue beside the holidays
const QColor kSchoolHolidayShade{208, 226, 248};  // a pale blue band behind the days

using platform::Q;

QFont FontOf(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// The colour and weight of a day: a legal holiday wins over the weekend, as
// on the month sheet.
void SetDayStyle(QPainter& painter, const engine::YearPageDay& day, int pixelSize) {
  QColor colour = Qt::black;
  bool bold = false;
  if (day.legalHoliday) {
    colour = kLegalHolidayColor;
    bold = true;
  } else if (day.sunday) {
    colour = kSundayColor;
    bold = true;
  } else if (day.saturday) {
    colour = kSaturdayColor;
  }
  painter.setPen(colour);
  painter.setFont(FontOf(pixelSize, bold));
}

void DrawMoon(QPainter& painter, const QPointF& centre, double radius, bool full) {
  painter.save();
  painter.setPen(QPen(Qt::black, 3));
  painter.setBrush(full ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DrawMonth(QPainter& painter, const engine::YearPageMonth& month, const QRect& box) {
  constexpr int kNameHeight = 70;
  constexpr int kHeadHeight = 50;
  const int cellWidth = box.width() / 8;
  const int rowHeight = (box.height() - kNameHeight - kHeadHeight) / 6;

  painter.setPen(Qt::black);
  painter.setFont(FontOf(46, true));
  painter.drawText(QRect(box.left(), box.top(), box.width(), kNameHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Q(month.name));

  static const char* const kHeads[] = {"KW", "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  const int headTop = box.top() + kNameHeight;
  for (int column = 0; column < 8; ++column) {
    QColor colour = column == 0 ? kWeekColor : Qt::black;
    if (column == 6) colour = kSaturdayColor;
    if (column == 7) colour = kSundayColor;
    painter.setPen(colour);
    painter.setFont(FontOf(30, column == 7));
    painter.drawText(QRect(box.left() + column * cellWidth, headTop, cellWidth, kHeadHeight),
                     Qt::AlignCenter, QString::fromLatin1(kHeads[column]));
  }
  painter.setPen(QPen(kRuleColor, 3));
  painter.drawLine(box.left(), headTop + kHeadHeight, box.left() + 8 * cellWidth,
                   headTop + kHeadHeight);
  painter.drawLine(box.left() + cellWidth, headTop, box.left() + cellWidth,
                   headTop + kHeadHeight + month.rows * rowHeight);

  const int gridTop = headTop + kHeadHeight;
  for (int row = 0; row < month.rows; ++row) {
    const int top = gridTop + row * rowHeight;
    painter.setPen(kWeekColor);
    painter.setFont(FontOf(30));
    painter.drawText(QRect(box.left(), top, cellWidth, rowHeight), Qt::AlignCenter,
                     QString::number(month.weeks[static_cast<std::size_t>(row)]));
    for (int column = 0; column < 7; ++column) {
      const engine::YearPageDay& day = month.days[static_cast<std::size_t>(row * 7 + column)];
      if (!day.inMonth) continue;
      const QRect cell(box.left() + (column + 1) * cellWidth, top, cellWidth, rowHeight);
      // School holidays shade their days as a band behind the numbers.
      if (day.schoolHoliday) painter.fillRect(cell.adjusted(0, 3, 0, -3), kSchoolHolidayShade);
      SetDayStyle(painter, day, 32);
      const QString number = QString::number(day.day);
      painter.drawText(cell, Qt::AlignCenter, number);
      if (day.newMoon || day.fullMoon) {
        // Close above the number's right end, so it belongs to that day.
        const int half = painter.fontMetrics().horizontalAdvance(number) / 2;
        DrawMoon(painter, QPointF(cell.center().x() + half + 2, cell.top() + 14), 6, day.fullMoon);
      }
    }
  }
}

void DrawLegend(QPainter& painter, const QRect& box, bool schoolHolidays) {
  painter.setFont(FontOf(30));
  const QFontMetrics metrics = painter.fontMetrics();
  int x = box.left();
  const int y = box.top() + box.height() / 2;
  const auto label = [&](const QColor& colour, bool bold, const QString& text) {
    painter.setPen(colour);
    painter.setFont(FontOf(30, bold));
    painter.drawText(QPoint(x, y + metrics.ascent() / 2), text);
    x += painter.fontMetrics().horizontalAdvance(text) + 50;
  };
  label(kSaturdayColor, false, QStringLiteral("Samstag"));
  label(kSundayColor, true, QStringLiteral("Sonntag"));
  label(kLegalHolidayColor, true, QStringLiteral("gesetzlicher Feiertag"));
  DrawMoon(painter, QPointF(x + 8, y), 8, true);
  x += 26;
  label(Qt::black, false, QStringLiteral("Vollmond"));
  DrawMoon(painter, QPointF(x + 8, y), 8, false);
  x += 26;
  label(Qt::black, false, QStringLiteral("Neumond"));
  label(kWeekColor, false, QStringLiteral("KW: Kalenderwoche"));
  if (schoolHolidays) {
    painter.fillRect(QRect(x, y - 14, 44, 28), kSchoolHolidayShade);
    x += 54;
    label(Qt::black, false, QStringLiteral("Schulferien (OpenHolidays, ODbL 1.0)"));
  }
}

void DrawHolidays(QPainter& painter, const engine::YearPage& page, const QRect& box) {
  constexpr int kHeadHeight = 70;
  painter.setPen(Qt::black);
  painter.setFont(FontOf(40, true));
  painter.drawText(QRect(box.left(), box.top(), box.width(), kHeadHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Feiertage ") + QString::number(page.year));
  painter.setPen(QPen(kRuleColor, 3));
  painter.drawLine(box.left(), box.top() + kHeadHeight, box.right(), box.top() + kHeadHeight);
  if (page.holidays.empty()) {
    painter.setPen(kWeekColor);
    painter.setFont(FontOf(30));
    painter.drawText(QRect(box.left(), box.top() + kHeadHeight + 10, box.width(), 60),
                     Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Für diese Region sind keine Feiertage bekannt."));
    return;
  }
  // The rows share the height; a long list gets smaller lines, never a
  // second page. The bridge days follow under a head of their own.
  const int available = box.height() - kHeadHeight - 10;
  const int bridgeRows = page.bridges.empty() ? 0 : static_cast<int>(page.bridges.size()) + 2;
  const int count = static_cast<int>(page.holidays.size()) + bridgeRows;
  const int lineHeight = std::clamp(available / count, 12, 48);
  const int pixelSize = std::max(10, lineHeight * 3 / 4);
  painter.setFont(FontOf(pixelSize, true));
  const int dateWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("Mo. 00.00.  "));
  int top = box.top() + kHeadHeight + 10;
  for (const engine::YearPageHoliday& holiday : page.holidays) {
    const QColor colour = holiday.legal ? kLegalHolidayColor : QColor(Qt::black);
    painter.setPen(colour);
    painter.setFont(FontOf(pixelSize, holiday.legal));
    // "Do. 04.06." with the year left off: the page is of one year.
    const QString date = Q(holiday.weekday) + QLatin1Char(' ') + Q(holiday.date.substr(0, 6));
    painter.drawText(QRect(box.left(), top, dateWidth, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, date);
    const QRect nameBox(box.left() + dateWidth, top, box.width() - dateWidth, lineHeight);
    // A long name is set smaller rather than cut, so every holiday stays
    // readable; only what does not fit even then is cut.
    QString name = Q(holiday.names);
    for (int size = pixelSize; size >= pixelSize * 2 / 3; --size) {
      painter.setFont(FontOf(size, holiday.legal));
      if (painter.fontMetrics().horizontalAdvance(name) <= nameBox.width()) break;
    }
    name = painter.fontMetrics().elidedText(name, Qt::ElideRight, nameBox.width());
    painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, name);
    top += lineHeight;
  }
  if (page.bridges.empty()) return;
  top += lineHeight;
  painter.setPen(Qt::black);
  painter.setFont(FontOf(pixelSize, true));
  painter.drawText(QRect(box.left(), top, box.width(), lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brückentage"));
  top += lineHeight;
  painter.setPen(kBridgeColor);
  for (const engine::YearPageBridge& bridge : page.bridges) {
    painter.setFont(FontOf(pixelSize));
    const QString date = Q(bridge.weekday) + QStringLiteral(". ") + Q(bridge.date.substr(0, 6));
    painter.drawText(QRect(box.left(), top, dateWidth, lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, date);
    const QRect textBox(box.left() + dateWidth, top, box.width() - dateWidth, lineHeight);
    QString text = Q(bridge.text);
    for (int size = pixelSize; size >= pixelSize * 2 / 3; --size) {
      painter.setFont(FontOf(size));
      if (painter.fontMetrics().horizontalAdvance(text) <= textBox.width()) break;
    }
    text = painter.fontMetrics().elidedText(text, Qt::ElideRight, textBox.width());
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, text);
    top += lineHeight;
  }
}

}  // namespace

void SetYearPageLayout(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                   QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

bool PaintYearPage(const engine::YearPage& page, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // The printable area in tenths of a millimetre.
  painter.setViewport(0, 0, device.width(), device.height());
  painter.setWindow(0, 0, kWidth, kHeight);

  painter.setPen(Qt::black);
  painter.setFont(FontOf(64, true));
  painter.drawText(QRect(0, 0, kWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Q(page.title));

  const int monthsWidth = kWidth - kListWidth - kGap;
  const int monthsTop = kTitleHeight + 20;
  const int monthsHeight = kHeight - monthsTop - kLegendHeight;
  const int monthWidth = monthsWidth / kMonthColumns;
  const int monthHeight = monthsHeight / kMonthRows;
  for (int i = 0; i < 12; ++i) {
    const QRect box(i % kMonthColumns * monthWidth, monthsTop + i / kMonthColumns * monthHeight,
                    monthWidth - 40, monthHeight - 30);
    DrawMonth(painter, page.months[static_cast<std::size_t>(i)], box);
  }
  DrawLegend(painter, QRect(0, kHeight - kLegendHeight, monthsWidth, kLegendHeight),
             page.schoolHolidays);
  DrawHolidays(painter, page,
               QRect(kWidth - kListWidth, monthsTop, kListWidth, kHeight - monthsTop));
  return painter.end();
}

void PreviewYearPage(const engine::YearPage& page, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  SetYearPageLayout(printer);
  printer.setDocName(Q(page.title));
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Drucken – ") + Q(page.title));
  // Large enough to read the page at its first zoom.
  dialog.resize(1000, 720);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&page](QPrinter* target) { PaintYearPage(page, *target); });
  dialog.exec();
}

}  // namespace print
