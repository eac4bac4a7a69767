// SPDX-License-Identifier: MIT
// The date-format pages of the tools panel: "Datumsformate (numerisch)"
// (TNumericFormatPage, 23 numeric forms of the start date in three groups),
// "Datumsformate (alphanumerisch)" (TWrittenFormatPage, the written-out
// forms in four languages) and "Datumsformate (IT-1)" .. "(IT-3)"
// (TTechFormatPage, twelve technical rows of one date, time and offset from
// UTC). Every value field copies its text on a double click; the fields and
// texts come from tools/formatpages_model.h.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "tools/beampage.h"
#include "tools/formatpages_model.h"

class QLineEdit;
class TCopyField;
class TDateEdt;
class TLinkLabel;

// The numeric and the written-out page share their build: labelled groups of
// value fields in columns.
class TGroupFormatPage : public TBeamPage {
  Q_OBJECT

 public:
  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;

  // Field: the value field of that object name, nullptr when none.
  TCopyField* Field(const QString& name) const;

 protected:
  TGroupFormatPage(bool written, QWidget* parent);

 private:
  void Show();

  bool written_;
  std::array<tools::FormatGroup, 3> groups_;
  std::vector<TCopyField*> fields_;
};

class TNumericFormatPage : public TGroupFormatPage {
  Q_OBJECT

 public:
  explicit TNumericFormatPage(QWidget* parent = nullptr);
};

class TWrittenFormatPage : public TGroupFormatPage {
  Q_OBJECT

 public:
  explicit TWrittenFormatPage(QWidget* parent = nullptr);
};

// TTechFormatPage: one of the three technical pages. Its date, time and
// offset start from the start date, the date edit's time and that day's
// legal offset on every Refresh; the user may change them on the page.
class TTechFormatPage : public TBeamPage {
  Q_OBJECT

 public:
  // page: 1..3 for "IT-1".."IT-3".
  explicit TTechFormatPage(int page, QWidget* parent = nullptr);

  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;

  TDateEdt* DateEdit() const { return date_; }
  TDateEdt* TimeEdit() const { return time_; }
  QLineEdit* OffsetEdit() const { return offset_; }
  const std::array<tools::TechRow, tools::kTechRowCount>& Rows() const { return rows_; }

 private:
  void Compute();

  int page_;
  bool writing_ = false;
  TDateEdt* date_ = nullptr;
  TDateEdt* time_ = nullptr;
  QLineEdit* offset_ = nullptr;
  std::array<tools::TechRow, tools::kTechRowCount> rows_{};
  std::array<TCopyField*, tools::kTechRowCount> values_{};
  std::array<TLinkLabel*, tools::kTechRowCount> captions_{};
};
