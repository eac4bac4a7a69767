// SPDX-License-Identifier: MIT
// TClockPage: the clock of the tools panel ("Uhrzeit"). For the start date,
// the region and the start-date edit's legal time it shows five zone rows
// from Moscow summer time to UTC, mean and true local time of the region's
// capital, the Julian Date of the UTC moment, the region, capital and
// coordinates, and the captions' hints relative to the legal time (all
// computed by engine::ComputeZoneClock).
//
// Editing the time of rows 1..5, or "Wie spät ist es?", chooses a new legal
// time: the page raises TimeChosen once with it (only when it differs from
// the time shown), then recomputes. Refresh with the time it chose changes
// nothing and raises nothing, so the round trip through the panel ends.
#pragma once

#include <QString>
#include <array>

#include "engine/zoneclock.h"
#include "tools/beampage.h"

class QCheckBox;
class TDateEdt;
class TLinkLabel;

class TClockPage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TClockPage(QWidget* parent = nullptr);

  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;
  // SetSecondsHidden: ticks or clears the page's "Sekunden ausblenden", as
  // the panel's own box asks; the time edits follow the box.
  void SetSecondsHidden(bool hidden) override;

  // The clock last shown (code 0 before the first valid Refresh).
  const engine::ZoneClock& Clock() const { return clock_; }
  // Row: the time edit of row 1..7.
  TDateEdt* Row(int row) const;

  // The addresses of the pages outside the encyclopaedia.
  static constexpr const char* kSunTimeAddress = "https://www.initiative-sonnenzeit.de/";
  static constexpr const char* kTimeServerAddress = "https://www.bipm.org/en/time-metrology";

 private:
  void RowEdited(int row);
  void ClockShowClicked();
  void SecondsToggled();
  void Compute(engine::TimeOfDay time, int row);
  void Show();
  engine::TimeOfDay EnteredTime(engine::TimeOfDay time) const;

  engine::ChosenDay day_;  // its time is the date edit's, with its seconds
  engine::ZoneClock clock_;
  bool writing_ = false;

  TLinkLabel* region_label_ = nullptr;
  TLinkLabel* capital_ = nullptr;
  TLinkLabel* latitude_ = nullptr;
  TLinkLabel* longitude_ = nullptr;
  TLinkLabel* jdCaption_ = nullptr;
  TLinkLabel* jd_ = nullptr;
  TLinkLabel* clockShow_ = nullptr;
  QCheckBox* seconds_ = nullptr;
  std::array<TDateEdt*, 7> rows_{};
  std::array<std::array<TLinkLabel*, 2>, 7> captions_{};
};
