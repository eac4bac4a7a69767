// SPDX-License-Identifier: MIT
// TDate: the segmented field in which one value is typed or spun: a date,
// a time with or without seconds, a calendar week, a day of the year or a
// Julian Day number (`Modus`). Up to three digit sub-fields `Edt1`..`Edt3`,
// each with a spin pair `SwitchNAsc` (later, lower half) and `SwitchNDesc`
// (earlier, upper half). The field checks digits, lengths and per-field
// ranges only (dateentry/fieldrules.h); calendar validity is its owner's work. The
// owner binds the sub-fields' textChanged and double clicks.
#pragma once

#include <QString>
#include <QWidget>

#include "dateentry/fieldrules.h"
#include "engine/chosenday.h"
#include "engine/region.h"

namespace controls {
// The date field's rules are the controls' vocabulary; they live below, where
// the command line shares them.
using namespace dateentry;
}  // namespace controls

class QColor;
class QLineEdit;
class QMenu;
class QTimer;
class TDateSubField;
class TSpinHalf;

class TDate : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Modus READ Modus WRITE SetModus)
  Q_PROPERTY(int EditHeight READ EditHeight WRITE SetEditHeight)
  Q_PROPERTY(QString Date READ Date)
  Q_PROPERTY(QString Time READ Time)
  Q_PROPERTY(QString Day READ Day)
  Q_PROPERTY(QString Week READ Week)
  Q_PROPERTY(QString JD READ JD)

 public:
  explicit TDate(QWidget* parent = nullptr);

  // Modus: the mode code "D", "T", "TM", "W", "A" or "J".
  QString Modus() const;
  // SetModus: an unknown code is stored as "D"; lays out again and resets
  // the sub-fields to the mode's initial texts.
  void SetModus(const QString& modus);  // "X" -> "D"

  // EditHeight: the height of the control and its sub-fields in pixels.
  int EditHeight() const { return editHeight_; }
  // SetEditHeight: stores the height as given and lays out again (21 or
  // less is the compact layout); the sub-fields get their initial texts.
  void SetEditHeight(int height);

  // The assembled values; empty when the mode does not match.
  QString Date() const;  // "D": "24.12.2003"
  QString Time() const;  // "T": "12:30:05", "TM": "12:30"
  QString Day() const;   // "A": "059.2003"
  QString Week() const;  // "W": "52.2003"
  QString JD() const;    // "J": "2452975"

  // SetDateText: in mode "D", takes "DD.MM.YYYY" (any single non-digit
  // separators, no digit after the year); refuses anything else and then
  // changes nothing.
  bool SetDateText(const QString& text);  // "24.12.2003" -> true
  // SetJDText: in mode "J", takes seven digits not followed by another.
  bool SetJDText(const QString& text);  // "28171520" -> false
  // SetTimeText: in modes "T" and "TM", takes "hh:mm" or "hh:mm:ss"; caps
  // the hour at 23, minute and second at 59.
  bool SetTimeText(const QString& text);  // "25:10" -> true, 23:10:00
  // SetTimeNow: the current legal time of day in the region (engine clock)
  // into the fields.
  void SetTimeNow(const engine::Region& region);

  // The typed forms: a date into mode "D", a time of day into "T" and "TM"
  // (each ignored in the other modes), and the time of day the sub-fields
  // hold (seconds 0 in "TM").
  void SetCivilDate(const engine::CivilDate& date);
  void SetTimeOfDay(engine::TimeOfDay time);
  engine::TimeOfDay TimeOfDay() const;

  // SetFieldFontColor, SetFieldColor: text or background of all sub-fields.
  void SetFieldFontColor(const QColor& color);
  void SetFieldColor(const QColor& color);

  // The sub-fields (0..2) and their spin halves, for the owner.
  QLineEdit* Edt(int field) const;
  TSpinHalf* SwitchAsc(int field) const;
  TSpinHalf* SwitchDesc(int field) const;

 private:
  friend class TDateSubField;

  void ApplyLayout();
  bool FieldKeyPress(int field, QKeyEvent* event);
  void FieldKeyRelease(int field, QKeyEvent* event);
  void SelectLead(int field, int count);
  void FieldEntered(int field);
  void FieldLeft(int field);
  void StartSpin(int field, bool up);
  void StopSpin();
  void Timer_DcTimer();
  QString FieldText(int field) const;
  void SetFieldText(int field, const std::string& text);

  controls::DateMode mode_ = controls::DateMode::D;
  int editHeight_ = 24;
  QMenu* PM_Dc_ = nullptr;
  QTimer* Timer_Dc_ = nullptr;
  TDateSubField* edits_[controls::kFieldCount] = {};
  TSpinHalf* asc_[controls::kFieldCount] = {};
  TSpinHalf* desc_[controls::kFieldCount] = {};

  // Spin state: the sub-field, direction and ticks of the held button.
  int spinField_ = -1;
  bool spinUp_ = true;
  int spinTicks_ = 0;
  // The sub-field that took the last digit key press, so that a stray
  // release after the focus moved on does not count as typing there.
  int digitPressedIn_ = -1;
};
