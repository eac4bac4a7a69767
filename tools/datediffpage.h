// SPDX-License-Identifier: MIT
// TDateDiffPage: the date-difference page of the tools panel. The toggles
// `Edt_Begin` ("inklusiv") and `Edt_End` ("exklusiv") say whether the start
// and the end date count; each is switched by its double button. A toggle or
// "berechnen" asks the panel's owner to compute the period between its two
// date edits; the period text then stands in the memo `MemoBeam`.
#pragma once

#include <QString>
#include <QStringList>

#include "tools/beampage.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDblBtn;

class TDateDiffPage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TDateDiffPage(QWidget* parent = nullptr);

  // Refresh: nothing to compute here; the owner sets the result.
  void Refresh(const engine::ChosenDay& day) override;
  // CopyBody: the period text.
  QString CopyBody() const override;
  // ResultText: the lines of the period text.
  QStringList ResultText() const override;

  bool StartInclusive() const;
  bool EndInclusive() const;
  // SetResult: the period text (CR LF lines) into MemoBeam.
  void SetResult(const QString& text);

  QLineEdit* Edt_Begin() const { return begin_; }
  QLineEdit* Edt_End() const { return end_; }
  QPushButton* Btn_Compute() const { return compute_; }

 signals:
  // ComputeRequested: a toggle changed or "berechnen" was pressed.
  void ComputeRequested();

 private:
  void Toggle(QLineEdit* edit);

  QLineEdit* begin_ = nullptr;
  QLineEdit* end_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QString result_;
};
