// SPDX-License-Identifier: MIT
// TRegionList: the list `LB_Land` below the date edit's fields. It shows the
// region's holidays of the year and the choice of the region
// (regionlist_model.h holds what it shows and what a click means) and tells
// its owner what was chosen: a region by its code, a holiday by its day
// number. A click is handled once its own event is over, since some clicks
// fill the list anew. Its context menu saves the holidays of the shown year
// and region as an iCalendar file (icalsaver.h).
#pragma once

#include <QListWidget>
#include <QPointer>
#include <QString>
#include <string>

#include "controls/icalsaver.h"
#include "controls/regionlist_model.h"
#include "engine/daydescription.h"

class QAction;
class QFocusEvent;

class TRegionList : public QListWidget {
  Q_OBJECT

 public:
  explicit TRegionList(QWidget* parent = nullptr);

  // SetPlace: the region and year of the shown day, which the region lists,
  // the way back and the iCalendar file start from; the lines shown stay.
  void SetPlace(const std::string& land, int year);
  // ShowHolidays: ">>>>>", the region's name and its holidays of the year;
  // the year's holiday text becomes the hint.
  void ShowHolidays(const engine::HolidayList& holidays);
  controls::RegionListState State() const { return model_.State(); }
  const controls::RegionListModel& Model() const { return model_; }

  // SetDaysChoosable: false while the date cannot be changed; a holiday
  // line then only shows.
  void SetDaysChoosable(bool choosable) { daysChoosable_ = choosable; }

  // IcalAction: "Als iCalendar speichern …" of the context menu.
  QAction* IcalAction() const { return icalAction_; }
  void SetSaveFileAsker(TIcalSaver::SaveFileAsker asker);
  void SetMessageSink(TIcalSaver::MessageSink sink);
  // SetDialogOwner: the dialogs of the save stand over this widget's window,
  // also while the list is shown on another one; its own window without.
  void SetDialogOwner(QWidget* owner) { dialogOwner_ = owner; }

 signals:
  // regionChosen: a region line was clicked; the list stays as it is.
  void regionChosen(const QString& code);
  // holidayChosen: a holiday line was clicked while days may be chosen.
  void holidayChosen(int dayNumber);
  // focusLeft: the focus went to another widget of the program, not to
  // another window or a pop-up.
  void focusLeft();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ShowRows();
  void Clicked(int row);
  void DoubleClicked(int row);
  void SaveIcalendar();

  controls::RegionListModel model_;
  TIcalSaver saver_;
  QAction* icalAction_ = nullptr;
  QPointer<QWidget> dialogOwner_;
  bool daysChoosable_ = true;
};
