// SPDX-License-Identifier: MIT
#include "tools/workhourspage.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <algorithm>

#include "controls/dateedt.h"
#include "controls/hints.h"
#include "engine/workhours.h"
#include "tools/pagewidgets.h"

using tools::Q;

namespace {

constexpr int kTop = 12;
constexpr int kPitch = 30;

}  // namespace

TWorkHoursPage::TWorkHoursPage(QWidget* parent) : TBeamPage(parent) {
  setObjectName(QStringLiteral("PageWorkHours"));
  tools::PreparePage(this);
  const struct {
    TDateEdt** edit;
    const char* name;
    const char* label;
    std::string_view caption;
    const char* start;
  } kRows[] = {
      {&begin_, "TimeEdtBegin", "Lbl_Begin", engine::kWorkBeginCaption, "08:00:00"},
      {&end_, "TimeEdtEnd", "Lbl_End", engine::kWorkEndCaption, "16:00:00"},
      {&hours_, "TimeEdtHours", "Lbl_Hours", engine::kWorkHoursCaption, "08:00:00"},
  };
  int top = kTop;
  for (const auto& row : kRows) {
    auto* edit = new TDateEdt(this);
    edit->setObjectName(QString::fromLatin1(row.name));
    edit->SetEditHeight(21);
    edit->SetModus(QStringLiteral("T"));
    edit->SetTime(QString::fromLatin1(row.start));
    edit->move(10, top);
    auto* label = new QLabel(Q(row.caption), this);
    label->setObjectName(QString::fromLatin1(row.label));
    label->move(edit->width() + 16, top + 3);
    label->adjustSize();
    *row.edit = edit;
    top += kPitch;
    if (row.edit == &hours_) {
      QFont bold = label->font();
      bold.setBold(true);
      label->setFont(bold);
      label->adjustSize();
    }
  }
  // A rule above the result, as on a sheet of paper.
  auto* rule = new QFrame(this);
  rule->setObjectName(QStringLiteral("Bevel_Hours"));
  rule->setFrameShape(QFrame::HLine);
  rule->setGeometry(10, kTop + 2 * kPitch - 5, 229, 2);
  connect(begin_, &TDateEdt::OnChange, this, &TWorkHoursPage::BeginOrEndEdited);
  connect(end_, &TDateEdt::OnChange, this, &TWorkHoursPage::BeginOrEndEdited);
  connect(hours_, &TDateEdt::OnChange, this, &TWorkHoursPage::HoursEdited);

  seconds_ = new QCheckBox(QStringLiteral("Sekunden ausblenden"), this);
  seconds_->setObjectName(QStringLiteral("CBSek"));
  seconds_->setToolTip(QStringLiteral("Sekunden werden auf 00 gesetzt, nicht gerundet!"));
  QFont small = seconds_->font();
  small.setPixelSize(10);
  seconds_->setFont(small);
  controls::InstallHintFilter(seconds_);
  seconds_->setGeometry(10, kTop + 3 * kPitch + 6, std::max(126, seconds_->sizeHint().width()), 16);
  connect(seconds_, &QCheckBox::toggled, this, &TWorkHoursPage::SecondsToggled);
}

void TWorkHoursPage::Refresh(const engine::ChosenDay& /*day*/) {
  // The times are the user's own; the panel's day does not change them.
}

bool TWorkHoursPage::WithSeconds() const {
  return !seconds_->isChecked();
}

void TWorkHoursPage::Write(TDateEdt* edit, const std::string& time) {
  const QScopedValueRollback guard(writing_, true);
  const QSignalBlocker blocker(edit);
  edit->SetTime(Q(time));
}

void TWorkHoursPage::BeginOrEndEdited() {
  if (writing_) return;
  const engine::WorkHoursResult hours = engine::HoursBetween(
      begin_->K_Time().toStdString(), end_->K_Time().toStdString(), WithSeconds());
  // A sub-field in the middle of typing is no time yet.
  if (!hours.ok) return;
  if (hours_->K_Time() != Q(hours.text)) Write(hours_, hours.text);
  emit TextChanged();
}

void TWorkHoursPage::HoursEdited() {
  if (writing_) return;
  const engine::WorkHoursResult end = engine::EndAfterHours(
      begin_->K_Time().toStdString(), hours_->K_Time().toStdString(), WithSeconds());
  if (!end.ok) return;
  if (end_->K_Time() != Q(end.text)) Write(end_, end.text);
  emit TextChanged();
}

void TWorkHoursPage::SetSecondsHidden(bool hidden) {
  seconds_->setChecked(hidden);
}

void TWorkHoursPage::SecondsToggled() {
  const QString modus = WithSeconds() ? QStringLiteral("T") : QStringLiteral("TM");
  {
    const QScopedValueRollback guard(writing_, true);
    for (TDateEdt* edit : {begin_, end_, hours_}) {
      const QSignalBlocker blocker(edit);
      edit->SetModus(modus);
    }
  }
  BeginOrEndEdited();
}

QString TWorkHoursPage::CopyBody() const {
  return Q(engine::WorkHoursCopyText(begin_->K_Time().toStdString(), end_->K_Time().toStdString(),
                                     hours_->K_Time().toStdString(), WithSeconds()));
}
