// SPDX-License-Identifier: MIT
#include "print/yearpdf.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "engine/version.h"
#include "print/yearprint.h"

namespace print {
namespace {

// Qt's notes about its own set-up (a missing runtime folder and the like)
// are no concern of the user of the command line, whose stderr the print
// program shares and which carries only the program's own messages;
// critical faults still come through.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
  }
}

// Text needs the font database of a GUI application. The print program has
// none, so it gets one without a window system for as long as it draws. It
// ends before the program does: an application kept until the static
// objects go would outlive Qt's own font caches, and the fonts it loaded
// would never be given back.
class GuiForDrawing {
 public:
  GuiForDrawing() {
    if (QCoreApplication::instance() != nullptr) return;
    qInstallMessageHandler(QuietMessages);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

 private:
  static inline char name_[] = "razaduvovi-print";
  static inline char option_[] = "-platform";
  static inline char platform_[] = "offscreen";
  // Qt takes the options it reads out of the list: each application gets
  // a whole list of its own, which lives as long as it does.
  int argc_ = 3;
  char* argv_[4] = {name_, option_, platform_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

bool WriteYearPagePdf(const engine::YearPage& page, const std::string& path, std::string& error) {
  const GuiForDrawing gui;
  const QString target = QString::fromStdString(path);
  if (target.isEmpty() || QFileInfo(target).isDir()) {
    error = "\"" + path + "\" ist keine Datei, in die geschrieben werden kann.";
    return false;
  }
  const QFileInfo info(target);
  if (!info.absoluteDir().exists()) {
    error = "Der Ordner \"" + info.absolutePath().toStdString() + "\" existiert nicht.";
    return false;
  }
  // QSaveFile writes beside the target and renames only on commit.
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) {
    error = "Die Datei \"" + path + "\" kann nicht geschrieben werden (keine Schreibrechte?).";
    return false;
  }
  {
    QPdfWriter writer(&file);
    SetYearPageLayout(writer);
    writer.setResolution(300);
    writer.setTitle(QString::fromStdString(page.title));
    writer.setCreator(QStringLiteral("Ra Zaduvovi ") +
                      QString::fromUtf8(engine::kProgramVersion.data(),
                                        static_cast<qsizetype>(engine::kProgramVersion.size())));
    if (!PaintYearPage(page, writer)) {
      file.cancelWriting();
      error = "Die Seite konnte nicht in \"" + path + "\" gezeichnet werden.";
      return false;
    }
  }
  if (!file.commit()) {
    error = "Die Datei \"" + path + "\" kann nicht geschrieben werden.";
    return false;
  }
  return true;
}

}  // namespace print
