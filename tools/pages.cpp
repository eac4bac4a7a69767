// SPDX-License-Identifier: MIT
// Which page belongs to which program of the tools panel.
#include "tools/beampage.h"
#include "tools/clockpage.h"
#include "tools/formatpages.h"
#include "tools/isinpage.h"
#include "tools/sysinfopage.h"
#include "tools/workhourspage.h"

TBeamPage* CreateBeamPage(int progId, QWidget* parent) {
  switch (progId) {
    case 2:
      return new TClockPage(parent);
    case 3:
      return new TWorkHoursPage(parent);
    case 4:
      return new TIsinPage(parent);
    case 5:
      return new TSysInfoPage(parent);
    case 7:
      return new TNumericFormatPage(parent);
    case 8:
      return new TWrittenFormatPage(parent);
    case 9:
    case 10:
    case 11:
      return new TTechFormatPage(progId - 8, parent);
    default:
      return nullptr;
  }
}
