// SPDX-License-Identifier: MIT
// TSysInfoPage: "Windows Info", the facts of the computer as pairs of label
// and value: "User:", "Computer:", "Owner:", "Windows:", "System:",
// "Screen:" and "Stack Size:". The facts are read (platform::ReadSystemFacts)
// when the page opens; a fact that cannot be read shows its fallback.
#pragma once

#include <QString>
#include <array>

#include "tools/beampage.h"
#include "tools/sysinfo_model.h"

class QLabel;
class TCopyField;

class TSysInfoPage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TSysInfoPage(QWidget* parent = nullptr);

  void Refresh(const engine::ChosenDay& day) override;
  QString CopyBody() const override;

 private:
  void ReadFacts();

  std::array<tools::SystemInfoRow, tools::kSystemInfoRowCount> rows_{};
  std::array<QLabel*, tools::kSystemInfoRowCount> labels_{};
  std::array<TCopyField*, tools::kSystemInfoRowCount> values_{};
};
