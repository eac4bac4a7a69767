// SPDX-License-Identifier: MIT
#include "print/yearpdf.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "engine/version.h"
#include "print/yearprint.h"

namespace print {
namespace {

// Text needs the font database of a GUI application. The command line has
// none, so it gets one without a window system.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 3;
  static char name[] = "razaduvovi-cli";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  static const std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteYearPagePdf(const engine::YearPage& page, const std::string& path, std::string& error) {
  EnsureGuiApplication();
  const QString target = QString::fromStdString(path);
  if (target.isEmpty() || QFileInfo(target).isDir()) {
    error = "\"" + path + "\" ist keine Datei, in die geschrieben werden kann.";
    return false;
  }
  // QSaveFile writes beside the target and renames only on commit.
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) {
    error = "Die Datei \"" + path + "\" kann nicht geschrieben werden (" +
            file.errorString().toStdString() + ").";
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
    error = "Die Datei \"" + path + "\" kann nicht geschrieben werden (" +
            file.errorString().toStdString() + ").";
    return false;
  }
  return true;
}

}  // namespace print
