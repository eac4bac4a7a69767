// SPDX-License-Identifier: MIT
// razaduvovi: one instance per user. A second start asks the first to show
// its window and ends before it reads or writes any setting.
#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <vector>

#include "app/calvrn.h"
#include "engine/version.h"
#include "interest/qvzins.h"
#include "platform/settings_store.h"
#include "platform/single_instance.h"
#include "platform/system_locale.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ra Zaduvovi"));
  QApplication::setApplicationVersion(QString::fromUtf8(engine::kProgramVersion));
  QApplication::setOrganizationName(QStringLiteral("RaZaduvovi"));
  QGuiApplication::setDesktopFileName(QStringLiteral("de.razaduvovi.RaZaduvovi"));
  platform::SingleInstance instance(platform::SingleInstance::UserDirectory());
  if (instance.Claim() == platform::SingleInstance::Start::Another) return 0;

  platform::ApplySystemLocale();
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.razaduvovi.RaZaduvovi")));
  platform::SettingsStore store = platform::SettingsStore::ForUser();
  TCalVrn window(store);
  // Interest windows belong to the program, not to the main window; closing
  // the main window ends the program with all of them.
  std::vector<QPointer<QWidget>> interestWindows;
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &TCalVrn::Closed, &application, &QCoreApplication::quit);
  QObject::connect(&instance, &platform::SingleInstance::ShowRequested, &window,
                   &TCalVrn::ShowFromOutside);
  // Each click makes a new interest window; it frees itself when closed.
  window.SetInterestOpener([&interestWindows] {
    std::erase_if(interestWindows, [](const QPointer<QWidget>& closed) { return closed.isNull(); });
    auto* interest = new TQvZins;
    interestWindows.emplace_back(interest);
    interest->show();
  });
  window.show();
  const int result = QApplication::exec();
  for (const QPointer<QWidget>& interest : interestWindows) delete interest.data();
  return result;
}
