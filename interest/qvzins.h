// SPDX-License-Identifier: MIT
// TQvZins: the interest calculator window. Its interest face ("Zinsen
// berechnen (Wertpapiere)") computes simple interest on a capital between
// two dates (engine/interest.h) with the value date of the pay region and,
// for the former euro currencies, the amounts in euros; its percentage face
// ("Prozentrechnung") splits an amount by a percentage (engine/percent.h).
// Both show their result as a text that goes to the clipboard. The three
// date fields are edited in place by the calendar component `Kalender1`
// (controls/kalender.h), whose pop-up offers the month sheet for them.
//
// The window frees itself when closed (Qt::WA_DeleteOnClose), so a caller
// creates a new one for each opening: `(new TQvZins)->show();`.
//
// Sub-controls carry the names of the window's fields and buttons
// (`Edt_Capital`, `CB_Rent`, `Memo1`, `Btn_Clip`, `QvVersion1`, ...), by
// which tests and callers find them; the window keeps its own in members.
// Each list line holds the value behind it as item data (a region or
// currency code, a method number, a rounding mode, decimals, a flag, a kind
// of value day). The lists, captions and hints are interest/zins_model.h.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "engine/percent.h"
#include "interest/zins_model.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TKalender;
class TQvVersion;

class TQvZins : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Mode READ Mode)

 public:
  explicit TQvZins(QWidget* parent = nullptr);

  // The window sizes of the two faces.
  static constexpr int kInterestWidth = 790;
  static constexpr int kInterestHeight = 497;
  static constexpr int kPercentWidth = 485;
  static constexpr int kPercentHeight = 199;

  // Mode: "Z" interest face, "%" percentage face, "%T" percentage face
  // with its text shown.
  QString Mode() const { return mode_; }

  // Question: asks "Soll der Betrag ...?" and answers true for "Ja"; tests
  // replace it so that nothing modal opens. An empty function restores the
  // message box.
  using Question = std::function<bool(const QString& title, const QString& text)>;
  void SetQuestion(Question question) { question_ = std::move(question); }

  // Edit, List: the edit field or list of that object name, nullptr when
  // there is none; for tests and callers.
  QLineEdit* Edit(const char* name) const;  // "Edt_Capital" -> the capital field
  QComboBox* List(const char* name) const;  // "CB_Rent" -> the method list

  // RentClick: computes the interest face from its fields and writes every
  // result, hint and text; in mode "%T" it only leaves the percentage text.
  void RentClick();  // 1000, 10 %, 01.01.2019..01.01.2020 -> sum "1100,00"
  // PercentClick: computes the percentage face, the amounts at the final
  // decimals for "Endergebnis", else at the intermediate ones.
  void PercentClick(engine::PercentTrigger trigger);  // 250, 12,5 %, Final -> "31,25"
  // Btn_TextClick: computes, then shows the statement, or hides it when shown.
  void Btn_TextClick();  // -> the statement and the copy button shown
  // Btn_ClipClick: copies the shown text, exactly, to the clipboard.
  void Btn_ClipClick();  // -> clipboard == the shown statement or period text
  // Btn_PercentClick: the percentage face, 485 x 199, "Prozentrechnung".
  void Btn_PercentClick();  // -> Mode "%"
  // BitBtn1Click: the interest face, 790 x 497, computed.
  void BitBtn1Click();  // -> Mode "Z"
  // BitBtn4Click: the percentage text below the percentage face, 790 x 497;
  // with the text shown, the percentage face alone again.
  void BitBtn4Click();  // -> Mode "%T", the text "Rundung: kaufm." ...
  // Edt_CalDiffTextClick: computes, then shows the period text, or hides it.
  void Edt_CalDiffTextClick();  // -> the long period text "366 Tage" ...

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building.
  QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int width);
  QComboBox* MakeList(QWidget* parent, const char* name, int x, int y, int width);
  void MakeLabels(QWidget* panel);  // the labels of that face
  QPushButton* MakeButton(QWidget* parent, const char* name, int x, int y, int width);
  void BuildInterestFace();
  void BuildPercentFace();
  void BuildTextPanel();
  void SetDefaults();
  void ConnectInputs();
  // LinkForKeyboard: the labels as buddies of their fields, the Tab order
  // in reading order, Enter on buttons, lists and results.
  void LinkForKeyboard();
  // KeyOnControl: a key on a button, list or field that the window answers:
  // Enter presses a button or computes the face; Enter, Space or F4 on a
  // date opens its editor; true when the key was taken.
  bool KeyOnControl(QObject* watched, const QKeyEvent* event);
  // ComputeFace: what "berechnen" does on the interest face, the last kind
  // of result on the percentage face.
  void ComputeFace();
  std::array<QLabel*, 5> CurrencyLabels() const;  // beside each amount of the interest face
  void ShowEuro(bool shown);                      // the euro amounts and their "EUR"

  // The interest face.
  interest::InterestFields ReadFields() const;
  void SumBlanc();
  void ShowStatement(const engine::InterestStatement& s);
  void RebuildFinalDecimals(QComboBox* intermediate, QComboBox* final);
  void RenewDateHints();
  void ShowInterestFace();
  void ShowText(QPlainTextEdit* memo);
  void HideText();
  bool TextShown() const;

  // The percentage face.
  interest::PercentFields ReadPercentFields() const;
  void ClearPercentResults();
  void CopyField(QLineEdit* field);
  void TakeAsBase(QLineEdit* field);

  // Typing into an amount field: only digits and one decimal separator.
  void FilterAmount(QLineEdit* field);

  // The calendar component Kalender1 over the three date fields: the only
  // place that knows which control edits a date. Its date edit stands in the
  // panel at the component's place while its pop-up is closed.
  void PlaceDateEditor(QLineEdit* field);
  void GiveEditorDate(const QString& date);
  QString EditedDate() const;
  void HideDateEditor();
  bool InDateEditor(const QWidget* widget) const;
  void Kalender1Change();
  void Kalender1ChangeVis();

  QString mode_ = QStringLiteral("Z");
  Question question_;
  interest::EarlyPayMemory earlyPay_;
  engine::PercentTrigger lastTrigger_ = engine::PercentTrigger::Intermediate;

  QWidget* interestPanel_ = nullptr;
  QWidget* percentPanel_ = nullptr;
  QWidget* textPanel_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;  // the statement or the percentage text
  QPlainTextEdit* memo2_ = nullptr;  // the period text in its long form
  TQvVersion* version_ = nullptr;

  // The interest face's inputs.
  QLineEdit* capital_ = nullptr;
  QLineEdit* rate_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* end_ = nullptr;
  QLineEdit* payDate_ = nullptr;
  QComboBox* currency_ = nullptr;
  QComboBox* startCounted_ = nullptr;
  QComboBox* endCounted_ = nullptr;
  QComboBox* method_ = nullptr;
  QComboBox* payRegion_ = nullptr;
  QComboBox* valutaKind_ = nullptr;
  QComboBox* round_ = nullptr;
  QComboBox* intermediate_ = nullptr;
  QComboBox* final_ = nullptr;

  // The interest face's results: the value date, the rows of years, normal
  // days and leap days (count, amount per unit, product), the totals, their
  // euro amounts and the period text.
  QLineEdit* valuta_ = nullptr;
  QLineEdit* years_ = nullptr;
  QLineEdit* days_ = nullptr;
  QLineEdit* leapDays_ = nullptr;
  QLineEdit* perYear_ = nullptr;
  QLineEdit* perDay_ = nullptr;
  QLineEdit* perLeapDay_ = nullptr;
  QLineEdit* forYears_ = nullptr;
  QLineEdit* forDays_ = nullptr;
  QLineEdit* forLeapDays_ = nullptr;
  QLineEdit* total_ = nullptr;
  QLineEdit* sum_ = nullptr;
  QLineEdit* capitalEuro_ = nullptr;
  QLineEdit* totalEuro_ = nullptr;
  QLineEdit* sumEuro_ = nullptr;
  QLineEdit* periodText_ = nullptr;

  // The labels the interest face changes: the row captions of the days,
  // the currency beside each amount, "EUR" beside the euro amounts and the
  // markers beside a 31st the method counts as the 30th.
  QLabel* daysCaption_ = nullptr;
  QLabel* leapDaysCaption_ = nullptr;
  QLabel* yearsCurrency_ = nullptr;
  QLabel* daysCurrency_ = nullptr;
  QLabel* leapDaysCurrency_ = nullptr;
  QLabel* totalCurrency_ = nullptr;
  QLabel* sumCurrency_ = nullptr;
  QLabel* capitalEuroUnit_ = nullptr;
  QLabel* totalEuroUnit_ = nullptr;
  QLabel* sumEuroUnit_ = nullptr;
  QLabel* startMarker_ = nullptr;
  QLabel* endMarker_ = nullptr;

  // The interest face's buttons.
  QPushButton* compute_ = nullptr;
  QPushButton* btnText_ = nullptr;
  QPushButton* btnClip_ = nullptr;
  QPushButton* btnPercent_ = nullptr;
  QPushButton* help_ = nullptr;

  // The percentage face: the base (100 %), the part and the rest, each as a
  // percentage and an amount; its lists and buttons.
  QLineEdit* basePercent_ = nullptr;
  QLineEdit* base_ = nullptr;
  QLineEdit* partPercent_ = nullptr;
  QLineEdit* part_ = nullptr;
  QLineEdit* restPercent_ = nullptr;
  QLineEdit* rest_ = nullptr;
  QComboBox* roundP_ = nullptr;
  QComboBox* percentDecimalsP_ = nullptr;
  QComboBox* intermediateP_ = nullptr;
  QComboBox* finalP_ = nullptr;
  QPushButton* intermediateResult_ = nullptr;
  QPushButton* finalResult_ = nullptr;
  QPushButton* percentText_ = nullptr;
  QPushButton* backToInterest_ = nullptr;

  TKalender* kalender1_ = nullptr;
  QPointer<QLineEdit> editedField_;

  // The rate as the user typed it, for the statement, and the rounded rate
  // the window wrote over it.
  QString rateEntered_;
  QString rateShown_;

  // Re-entrancy guards: a computation in progress, lists being refilled.
  bool computing_ = false;
  bool refilling_ = false;
  // Closing puts the faces back without computing or asking.
  bool closing_ = false;
};
