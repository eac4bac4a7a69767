// SPDX-License-Identifier: MIT
// TIsinPage: "WKN nach ISIN / Kurs abfragen". The German securities number
// typed into `Edt_WKN` is cleaned (ASCII letters upper-cased, cut at six
// characters and before the first character outside A-Z and 0-9) and, once
// six characters long, gives the ISIN "DE000" + WKN + check digit in
// `Edt_ISIN` and the digit in `Edt_Check`. A double click on the ISIN opens
// its quote online; one on the check digit empties all three fields.
#pragma once

#include <QString>

#include "tools/beampage.h"

class QLineEdit;
class TCopyField;
class TLinkLabel;

class TIsinPage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TIsinPage(QWidget* parent = nullptr);

  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;

  QLineEdit* Wkn() const { return wkn_; }
  TCopyField* Isin() const { return isin_; }
  TCopyField* Check() const { return check_; }

  // The quote portal's query, the ISIN appended between the two parts.
  static constexpr const char* kQuoteAddress = "https://finance.yahoo.com/q?d=v1&s=";
  static constexpr const char* kQuoteTail = "&m=a";

 private:
  void WknEdited(const QString& typed);
  void Clear();

  QLineEdit* wkn_ = nullptr;
  TCopyField* isin_ = nullptr;
  TCopyField* check_ = nullptr;
  TLinkLabel* wknLabel_ = nullptr;
  TLinkLabel* isinLabel_ = nullptr;
};
