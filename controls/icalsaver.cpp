// SPDX-License-Identifier: MIT
#include "controls/icalsaver.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <exception>
#include <filesystem>
#include <vector>

#include "engine/holidayevents.h"
#include "engine/region.h"
#include "export/icalendar.h"
#include "export/wholefile.h"
#include "platform/qtext.h"

void TIcalSaver::Save(QWidget* window, int year, const std::string& land) const {
  const QString title = QStringLiteral("Feiertage als iCalendar speichern");
  const QString suggested = QStringLiteral("Feiertage_%1_%2.ics").arg(platform::Q(land)).arg(year);
  QString file;
  if (saveFileAsker_) {
    file = saveFileAsker_(title, suggested, QStringLiteral("iCalendar (*.ics)"));
  } else {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    file = QFileDialog::getSaveFileName(window, title, QDir(folder).filePath(suggested),
                                        QStringLiteral("iCalendar (*.ics)"));
  }
  if (file.isEmpty()) return;
  std::string why;
  try {
    const engine::Region region = engine::RegionOfCode(land);
    const std::vector<engine::HolidayEvent> events =
        engine::HolidayEventsOfYears(year, year, region);
    const std::string text = exports::IcalendarText(
        events, engine::HolidayCalendarName(year, year, region, false), exports::CurrentUtcStamp());
    why = exports::WriteFileWhole(std::filesystem::path(file.toStdU16String()), text);
  } catch (const std::exception&) {
    why = "Die Datei \"" + file.toStdString() + "\" kann nicht geschrieben werden.";
  }
  if (why.empty()) return;
  if (messageSink_) {
    messageSink_(title, QString::fromStdString(why));
  } else {
    QMessageBox box(QMessageBox::Warning, title, QString::fromStdString(why), QMessageBox::Ok,
                    window);
    box.exec();
  }
}
