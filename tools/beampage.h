// SPDX-License-Identifier: MIT
// TBeamPage: the page of one program of the tools panel (TBeam). While a
// program is open the panel shows its page under the bar, hands it the chosen
// day (day number, calendar, region and the start-date edit's time), and asks
// it for the text to copy. A page never changes the date itself: it asks the panel through
// its signals, and the panel raises its change event for the calendar.
//
// CreateBeamPage is the one place that knows which page belongs to which
// program, so the panel needs no page headers of its own.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/chosenday.h"

class TBeamPage : public QWidget {
  Q_OBJECT

 public:
  explicit TBeamPage(QWidget* parent = nullptr);

  // Refresh: recomputes the page for the panel's day (page opened, date,
  // time or region changed, navigation while open).
  // Programs compute only on Gregorian dates.
  virtual void Refresh(const engine::ChosenDay& day) = 0;
  // CopyBody: the page's own copy text, which follows the caption line; every
  // line ends with CR LF.
  virtual QString CopyBody() const = 0;
  // ResultText: the page's result lines for K_slProgText (none by default).
  virtual QStringList ResultText() const;
  // SetSecondsHidden: the panel's seconds box was switched; a page with
  // time fields shows them without seconds (nothing by default).
  virtual void SetSecondsHidden(bool hidden);

 signals:
  // TimeChosen: the page set a new legal time for the start date, e.g. from
  // a clock row or "Wie spät ist es?".
  void TimeChosen(engine::TimeOfDay time);
  // TextChanged: the page's copy text changed without a date change (a WKN
  // typed, a working-hours row edited).
  void TextChanged();
};

// CreateBeamPage: the page of program progId (2 clock, 3 working hours,
// 4 securities number, 5 system information, 7..11 date formats), owned by
// parent; nullptr for a program whose page the panel builds itself or that
// has no page yet.
TBeamPage* CreateBeamPage(int progId, QWidget* parent);
