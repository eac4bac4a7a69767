// SPDX-License-Identifier: MIT
#include "tools/deadlinepage.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "controls/colors.h"
#include "controls/hints.h"
#include "engine/numbertext.h"
#include "engine/outcome.h"
#include "platform/openurl.h"
#include "platform/qtext.h"
#include "tools/beam_model.h"

namespace {

using platform::Q;

constexpr int kRows = 14;
constexpr int kNameWidth = 9;

}  // namespace

TDeadlinePage::TDeadlinePage(QWidget* parent) : TBeamPage(parent) {
  setObjectName("DeadlinePage");
  const QString startHint = Q(engine::DeadlineStartHint());
  for (int i = 0; i < 2 * kRows; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Lbl_Term%1").arg(i + 1));
    const int row = i / 2;
    const bool left = i % 2 == 0;
    // Fourteen rows of 15 pixels fit under the bar of the open panel.
    label->setGeometry(left ? 10 : 90, 2 + 15 * row, left ? 80 : 150, 15);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(row == 0);
    label->setFont(font);
    label->setToolTip(left ? Q(engine::kStatute189) : Q(engine::kStatute188And193));
    controls::InstallHintFilter(label);
    labels_[static_cast<std::size_t>(i)] = label;
  }
  labels_[0]->setText(Q(engine::kDeadlineStartHeading));
  labels_[0]->setToolTip(startHint);
  labels_[1]->setText(Q(engine::kDeadlineEndHeading));
  for (QLabel* heading : {labels_[0], labels_[1]}) {
    heading->setCursor(Qt::PointingHandCursor);
    heading->installEventFilter(this);
  }
  for (std::size_t row = 0; row < engine::kDeadlinePeriods.size(); ++row) {
    const engine::DeadlinePeriod& period = engine::kDeadlinePeriods[row];
    QLabel* name = labels_[2 * (row + 1)];
    QLabel* cell = labels_[2 * (row + 1) + 1];
    name->setText(QString::fromStdString(engine::PadLeftAligned(period.name, kNameWidth)));
    if (period.red) {
      for (QLabel* label : {name, cell}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, controls::kSundayColor);
        label->setPalette(palette);
      }
    }
  }
}

void TDeadlinePage::Refresh(const engine::ChosenDay& day) {
  table_ = engine::ComputeDeadlines(day.dayNumber, day.region);
  for (std::size_t row = 0; row < table_.rows.size(); ++row) {
    labels_[2 * (row + 1) + 1]->setText(QString::fromStdString(table_.rows[row].cell));
  }
}

void TDeadlinePage::ResetCells() {
  for (std::size_t row = 0; row < table_.rows.size(); ++row) {
    labels_[2 * (row + 1) + 1]->setText(Q(engine::kDeadlineCellPlaceholder));
  }
}

QString TDeadlinePage::CopyBody() const {
  if (!engine::Succeeded(table_.code)) return {};
  std::string text = table_.copyText;
  // The panel writes the caption line itself.
  const std::string head = std::string(engine::kDeadlineCaption) + "\r\n";
  if (text.rfind(head, 0) == 0) text.erase(0, head.size());
  return QString::fromStdString(text);
}

QStringList TDeadlinePage::ResultText() const {
  if (!engine::Succeeded(table_.code)) return {};
  QStringList lines = QString::fromStdString(table_.copyText).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

bool TDeadlinePage::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == labels_[0] || watched == labels_[1]) &&
      event->type() == QEvent::MouseButtonRelease) {
    platform::OpenUrl(tools::kDeadlineArticle);
    return true;
  }
  return TBeamPage::eventFilter(watched, event);
}
