// SPDX-License-Identifier: MIT
// TSpinHalf: one half of a spin button, a small captionless panel with a
// raised bevel of one pixel that looks lowered while the mouse holds it. It
// takes no Tab stop; its hint is also its accessible name, and assistive
// technology sees a push button whose press action is one step (Press).
#pragma once

#include <QWidget>

class TSpinHalf : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Lowered READ Lowered WRITE SetLowered)

 public:
  explicit TSpinHalf(QWidget* parent = nullptr);

  // Lowered: whether the half shows the pressed look.
  bool Lowered() const { return lowered_; }
  // SetLowered: shows the pressed (true) or released look.
  void SetLowered(bool lowered);

  // SetHint: the tooltip and accessible name, stored as given.
  void SetHint(const QString& hint);  // SetHint("Tag später")

  // Press: one click without the mouse (assistive technology's press
  // action): Pressed, Stepped, Released and Clicked, in that order.
  void Press();

 signals:
  void Pressed();   // left button down on the half
  void Released();  // left button up after Pressed
  void Stepped();   // Press only: the one step a held mouse button repeats
  void Clicked();   // released over the half

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool lowered_ = false;
  bool held_ = false;
};
