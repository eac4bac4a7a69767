// SPDX-License-Identifier: MIT
#include "controls/dblbtn.h"

#include <QLineEdit>

#include "controls/accessible.h"
#include "controls/spinhalf.h"
#include "dateentry/fieldrules.h"

TDblBtn::TDblBtn(QWidget* parent) : QWidget(parent) {
  edit_ = new QLineEdit(this);
  controls::MarkAsDecoration(edit_);
  edit_->setObjectName(QStringLiteral("SwitchEdt"));
  edit_->setEnabled(false);
  edit_->setFocusPolicy(Qt::NoFocus);
  asc_ = new TSpinHalf(this);
  asc_->setObjectName(QStringLiteral("Switch1Asc"));
  desc_ = new TSpinHalf(this);
  desc_->setObjectName(QStringLiteral("Switch1Desc"));

  // Only one half looks pressed at a time.
  connect(asc_, &TSpinHalf::Pressed, desc_, [this] { desc_->SetLowered(false); });
  connect(desc_, &TSpinHalf::Pressed, asc_, [this] { asc_->SetLowered(false); });
  connect(asc_, &TSpinHalf::Released, desc_, [this] { desc_->SetLowered(false); });
  connect(desc_, &TSpinHalf::Released, asc_, [this] { asc_->SetLowered(false); });
  ApplyLayout();
}

void TDblBtn::SetEditHeight(int height) {
  editHeight_ = height;
  ApplyLayout();
}

void TDblBtn::ApplyLayout() {
  resize(kWidth, editHeight_);
  edit_->setGeometry(0, 0, kWidth, height());
  const int half = dateentry::HalfHeight(editHeight_);
  desc_->setGeometry(0, 0, dateentry::kSpinButtonWidth, half);
  asc_->setGeometry(0, half, dateentry::kSpinButtonWidth, half);
}
