// SPDX-License-Identifier: MIT
// TWorkHoursPage: the working-hours difference of the tools panel
// ("Zeitdifferenz (Arbeitsstunden)"). Three time edits, "Uhrzeit Beginn",
// "Uhrzeit Ende" and "Anzahl der Stunden": editing the begin or the end
// gives the hours between them (an end before the begin lies on the next
// day), editing the hours gives the end. The page keeps its times while the
// panel's day changes; every computed result raises TextChanged.
#pragma once

#include <QString>

#include "tools/beampage.h"

class QCheckBox;
class TDateEdt;

class TWorkHoursPage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TWorkHoursPage(QWidget* parent = nullptr);

  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;
  // SetSecondsHidden: ticks or clears the page's "Sekunden ausblenden", as
  // the panel's own box asks; the time edits follow the box.
  void SetSecondsHidden(bool hidden) override;

  TDateEdt* Begin() const { return begin_; }
  TDateEdt* End() const { return end_; }
  TDateEdt* Hours() const { return hours_; }

 private:
  void BeginOrEndEdited();
  void HoursEdited();
  void SecondsToggled();
  bool WithSeconds() const;
  void Write(TDateEdt* edit, const std::string& time);

  TDateEdt* begin_ = nullptr;
  TDateEdt* end_ = nullptr;
  TDateEdt* hours_ = nullptr;
  QCheckBox* seconds_ = nullptr;
  bool writing_ = false;
};
