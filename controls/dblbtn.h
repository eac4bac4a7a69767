// SPDX-License-Identifier: MIT
// TDblBtn: a narrow two-part push button. The upper half `Switch1Desc` and
// the lower half `Switch1Asc` are two separate commands whose clicks the
// owner binds (TSpinHalf::Clicked) and whose hints it sets; the control
// itself only shows the pressed and released looks.
#pragma once

#include <QWidget>

class QLineEdit;
class TSpinHalf;

class TDblBtn : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int EditHeight READ EditHeight WRITE SetEditHeight)

 public:
  explicit TDblBtn(QWidget* parent = nullptr);

  // The control's width; each half is one pixel narrower.
  static constexpr int kWidth = 9;

  // EditHeight: the height of the control in pixels.
  int EditHeight() const { return editHeight_; }
  // SetEditHeight: stores the height as given and lays the halves out again.
  void SetEditHeight(int height);  // 21 -> halves of 10, the lower at 10

  // The halves, for the owner to bind.
  TSpinHalf* Switch1Asc() const { return asc_; }
  TSpinHalf* Switch1Desc() const { return desc_; }

 private:
  void ApplyLayout();

  int editHeight_ = 25;
  QLineEdit* edit_ = nullptr;
  TSpinHalf* asc_ = nullptr;
  TSpinHalf* desc_ = nullptr;
};
