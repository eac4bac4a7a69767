// SPDX-License-Identifier: MIT
// TIcalSaver: saves the holidays of one year in one region as an iCalendar
// file (legal ones so categorised), the file asked for in a dialog, written
// whole or not at all by the command line's writer; a file that cannot be
// written is told in a message. Year and region come as values at the
// moment of saving; the dates of the file are Gregorian, as calendar
// programs count them. Both the dialog and the message can be replaced, so
// that tests open nothing modal.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

class TIcalSaver {
 public:
  // SaveFileAsker: asks for the name of a file to save; an empty answer
  // cancels. An empty asker restores the file dialog.
  using SaveFileAsker =
      std::function<QString(const QString& title, const QString& suggested, const QString& filter)>;
  void SetSaveFileAsker(SaveFileAsker asker) { saveFileAsker_ = std::move(asker); }
  // MessageSink: shows why the file could not be written; an empty sink
  // restores the message box.
  using MessageSink = std::function<void(const QString& title, const QString& text)>;
  void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

  // Save: asks for the file, suggesting "Feiertage_<land>_<year>.ics" in the
  // documents folder, and writes every holiday of the year in the region;
  // the dialog and the message stand over `window`.
  void Save(QWidget* window, int year, const std::string& land) const;

 private:
  SaveFileAsker saveFileAsker_;
  MessageSink messageSink_;
};
