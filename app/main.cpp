// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/calvrn.h"
#include "engine/version.h"
#include "platform/system_locale.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ra Zaduvovi"));
  QApplication::setApplicationVersion(QString::fromUtf8(engine::kProgramVersion));
  platform::ApplySystemLocale();
  TCalVrn window;
  window.resize(260, 90);
  window.show();
  return QApplication::exec();
}
