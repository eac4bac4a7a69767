// SPDX-License-Identifier: MIT
// TBeamPage: the page of one program of the tools panel (TBeam). While a
// program is open the panel shows its page under the bar, hands it the start
// date, the region and the start-date edit's time, and asks it for the text
// to copy. A page never changes the date itself: it asks the panel through
// its signals, and the panel raises its change event for the calendar.
//
// CreateBeamPage is the one place that knows which page belongs to which
// program, so the panel needs no page headers of its own.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// What the panel knows about the day it shows.
struct BeamInput {
  QString date;            // start date, "DD.MM.YYYY"
  QString region;          // region code, "D-NI"
  QString time;            // legal time of the start-date edit, "HH:MM:SS"
  bool gregorian = true;   // programs compute only on Gregorian dates
};

class TBeamPage : public QWidget {
  Q_OBJECT

 public:
  explicit TBeamPage(QWidget *parent = nullptr);

  // Refresh: recomputes the page for the panel's day (page opened, date,
  // time or region changed, navigation while open).
  virtual void Refresh(const BeamInput &input) = 0;
  // CopyBody: the page's own copy text, which follows the caption line; every
  // line ends with CR LF.
  virtual QString CopyBody() const = 0;
  // ResultText: the page's result lines for K_slProgText (none by default).
  virtual QStringList ResultText() const;
  // SetSecondsHidden: the panel's seconds box was switched; a page with
  // time fields shows them without seconds (nothing by default).
  virtual void SetSecondsHidden(bool hidden);

 signals:
  // TimeChosen: the page set a new legal time for the start date ("HH:MM:SS"),
  // e.g. from a clock row or "Wie spät ist es?".
  void TimeChosen(const QString &time);
  // TextChanged: the page's copy text changed without a date change (a WKN
  // typed, a working-hours row edited).
  void TextChanged();
};

// CreateBeamPage: the page of program progId (2 clock, 3 working hours,
// 4 securities number, 5 system information, 7..11 date formats), owned by
// parent; nullptr for a program whose page the panel builds itself or that
// has no page yet.
TBeamPage *CreateBeamPage(int progId, QWidget *parent);
