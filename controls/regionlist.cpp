// SPDX-License-Identifier: MIT
#include "controls/regionlist.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <optional>

#include "controls/hints.h"
#include "engine/holidays.h"
#include "platform/openurl.h"
#include "platform/qtext.h"

TRegionList::TRegionList(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("LB_Land"));
  hide();
  // Region lines carry blanks and "$" behind the name: no sideways scrolling
  // in a list of 123 pixels, and a size that shows five lines.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideNone);
  setUniformItemSizes(true);
  QFont listFont = font();
  listFont.setPixelSize(11);
  setFont(listFont);
  controls::InstallHintFilter(this);
  icalAction_ = new QAction(QStringLiteral("Als iCalendar speichern …"), this);
  icalAction_->setObjectName(QStringLiteral("IcalAction"));
  connect(icalAction_, &QAction::triggered, this, &TRegionList::SaveIcalendar);
  addAction(icalAction_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(this, &QListWidget::clicked, this, [this](const QModelIndex& index) {
    // Some clicks fill the list anew: never inside its own handler.
    const int row = index.row();
    QTimer::singleShot(0, this, [this, row] { Clicked(row); });
  });
  connect(this, &QListWidget::doubleClicked, this, [this](const QModelIndex& index) {
    const int row = index.row();
    QTimer::singleShot(0, this, [this, row] { DoubleClicked(row); });
  });
}

void TRegionList::SetPlace(const std::string& land, int year) {
  model_.SetPlace(land, year);
}

void TRegionList::ShowHolidays(const engine::HolidayList& holidays) {
  model_.ShowHolidays(holidays);
  ShowRows();
  setToolTip(platform::Q(model_.Hint()));
}

void TRegionList::SetSaveFileAsker(TIcalSaver::SaveFileAsker asker) {
  saver_.SetSaveFileAsker(std::move(asker));
}

void TRegionList::SetMessageSink(TIcalSaver::MessageSink sink) {
  saver_.SetMessageSink(std::move(sink));
}

void TRegionList::ShowRows() {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(model_.Rows().size()));
  for (const controls::RegionListRow& row : model_.Rows()) lines.append(platform::Q(row.line));
  clear();
  addItems(lines);
}

void TRegionList::Clicked(int row) {
  if (row < 0 || row >= count()) return;
  const controls::RegionListClick click = model_.Click(row);
  switch (click.kind) {
    case controls::RegionListClick::Kind::Nothing:
      break;
    case controls::RegionListClick::Kind::NewState:
      ShowRows();
      break;
    case controls::RegionListClick::Kind::Region:
      emit regionChosen(platform::Q(click.region));
      break;
    case controls::RegionListClick::Kind::Holiday: {
      if (!daysChoosable_) break;
      // The line is taken before the owner shows the day, which may fill
      // the list anew.
      const QString line = item(row)->text();
      emit holidayChosen(click.dayNumber);
      setCurrentRow(row);
      setToolTip(line);
      break;
    }
  }
}

void TRegionList::DoubleClicked(int row) {
  if (row >= count()) return;
  const std::optional<std::string> title = model_.ArticleTitle(row);
  if (title) platform::OpenUrl(engine::HolidayArticleLink(*title));
}

void TRegionList::focusOutEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  // A focus that only left the window comes back to the list; where it went
  // is known once it has settled.
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    QTimer::singleShot(0, this, [this] {
      if (QApplication::focusWidget() != this) emit focusLeft();
    });
  }
  QListWidget::focusOutEvent(event);
}

// The year and region are those shown when the action was chosen; the file
// dialog is modal, so both are taken before it opens.
void TRegionList::SaveIcalendar() {
  const int year = model_.Year();
  const std::string land = model_.Land();
  saver_.Save(dialogOwner_ ? dialogOwner_->window() : window(), year, land);
}
