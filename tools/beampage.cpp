// SPDX-License-Identifier: MIT
#include "tools/beampage.h"

TBeamPage::TBeamPage(QWidget *parent) : QWidget(parent) {}

QStringList TBeamPage::ResultText() const { return {}; }

void TBeamPage::SetSecondsHidden(bool /*hidden*/) {}
