// SPDX-License-Identifier: MIT
// TCalVrn: the small main window that always shows today's date.
#pragma once

#include <QWidget>

class QLabel;

class TCalVrn : public QWidget {
  Q_OBJECT

 public:
  explicit TCalVrn(QWidget* parent = nullptr);

  // Refresh: shows today's date again (the engine's clock).
  void Refresh();

 private:
  QLabel* Lbl_Date = nullptr;
};
