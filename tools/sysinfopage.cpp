// SPDX-License-Identifier: MIT
#include "tools/sysinfopage.h"

#include <QLabel>

#include "platform/systeminfo.h"
#include "tools/pagewidgets.h"

using tools::Q;

TSysInfoPage::TSysInfoPage(QWidget* parent) : TBeamPage(parent) {
  setObjectName(QStringLiteral("PageSysInfo"));
  tools::PreparePage(this);
  const std::array<tools::SystemInfoRow, tools::kSystemInfoRowCount> names =
      tools::SystemInfoRows({});
  for (std::size_t i = 0; i < names.size(); ++i) {
    const int top = 8 + 24 * static_cast<int>(i);
    auto* label = new QLabel(Q(names[i].label), this);
    label->setObjectName(Q("Lbl_" + names[i].name.substr(4)));
    label->setGeometry(8, top + 3, 70, 16);
    auto* value = new TCopyField(this);
    value->setObjectName(Q(names[i].name));
    value->setToolTip(QStringLiteral("DblClick = in die Zwischenablage"));
    value->setGeometry(80, top, 161, 21);
    // The label names the value for a screen reader.
    label->setBuddy(value);
    labels_[i] = label;
    values_[i] = value;
  }
  ReadFacts();
}

void TSysInfoPage::ReadFacts() {
  const platform::SystemFacts facts = platform::ReadSystemFacts();
  rows_ = tools::SystemInfoRows({facts.user, facts.computer, facts.owner, facts.productId, facts.os,
                                 facts.screenWidth, facts.screenHeight, facts.stackSize});
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    values_[i]->setText(Q(rows_[i].value));
    values_[i]->setCursorPosition(0);
  }
}

void TSysInfoPage::Refresh(const engine::ChosenDay& /*day*/) {
  ReadFacts();
}

QString TSysInfoPage::CopyBody() const {
  return Q(tools::SystemInfoCopyText(rows_));
}
