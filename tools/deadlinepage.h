// SPDX-License-Identifier: MIT
// TDeadlinePage: the deadline page of the tools panel. 28 labels
// `Lbl_Term1`..`Lbl_Term28` in two columns show the heading "Fristbeginn" /
// "Fristende" and the thirteen common periods with their end dates after
// §§ 187 (1), 188, 189 and 193 BGB for the panel's day and region
// (engine/deadline.h); the statute texts are the labels' hints, and a click
// on a heading opens the encyclopaedia article on periods.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "engine/deadline.h"
#include "tools/beampage.h"

class QLabel;

class TDeadlinePage : public TBeamPage {
  Q_OBJECT

 public:
  explicit TDeadlinePage(QWidget* parent = nullptr);

  // Refresh: computes the thirteen rows from the date and region.
  void Refresh(const engine::ChosenDay& day) override;
  // CopyBody: the table's copy text after the caption line.
  QString CopyBody() const override;
  // ResultText: the lines of the copy text.
  QStringList ResultText() const override;
  // ResetCells: every end cell shows "----" until the next Refresh.
  void ResetCells();

  QLabel* Cell(int number) const { return labels_[static_cast<std::size_t>(number - 1)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, 28> labels_{};
  engine::DeadlineTable table_;
};
