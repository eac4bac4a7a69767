// SPDX-License-Identifier: MIT
#include "app/calvrn.h"

#include <QLabel>
#include <QVBoxLayout>

#include "engine/daynumber.h"

TCalVrn::TCalVrn(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Kalender"));
  Lbl_Date = new QLabel(this);
  Lbl_Date->setObjectName(QStringLiteral("Lbl_Date"));
  Lbl_Date->setAlignment(Qt::AlignCenter);
  QFont font = Lbl_Date->font();
  font.setPointSize(font.pointSize() * 2);
  font.setBold(true);
  Lbl_Date->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Lbl_Date);
  Refresh();
}

void TCalVrn::Refresh() {
  Lbl_Date->setText(QString::fromStdString(engine::TodayText(engine::CalendarKind::Gregorian)));
}
