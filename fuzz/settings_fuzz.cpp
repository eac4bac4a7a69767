// SPDX-License-Identifier: MIT
// The stored settings as the main window reads them, from arbitrary file
// content (cut off, oversized, not UTF-8, with a byte-order mark, repeated
// groups): the store's own reads of every value the program uses, then
// app::ReadSettings. Reading never changes the file, and what it gives the
// window is something it can show: positions on the screen, a region the
// table knows or none, and the ticks it does not store as they were. An
// explicit save over whatever stood there reads back as it was saved.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/settings_model.h"
#include "engine/region.h"
#include "platform/settings_store.h"

namespace {

// A settings file is a few hundred bytes; QSettings reads it in one pass, so
// larger inputs find nothing new, they only slow the search down.
constexpr std::size_t kMaxInput = 64 * 1024;

constexpr app::Size kScreen{1920, 1080};
constexpr app::Size kWindow{192, 252};

// Every value the program reads or writes.
constexpr const char* kNumberNames[] = {"smal", "Front", "Date1h", "Clock00", "LandSave",   "x_B",
                                        "y_B",  "x_S",   "y_S",    "Tray",    "Schulferien"};
constexpr const char* kTextNames[] = {"", "Land"};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// QSettings wants an application object, and its warnings about odd keys
// are no findings.
void SetUpOnce() {
  static int argc = 1;
  static char name[] = "settings_fuzz";
  static char* argv[] = {name, nullptr};
  static const bool done = [] {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    return true;
  }();
  (void)done;
}

// In memory where the system has it: every save syncs its file to disk,
// which would take most of the time of a run.
QTemporaryDir& Directory() {
  static QTemporaryDir directory(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/settings_fuzz-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/settings_fuzz-XXXXXX"));
  return directory;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool OnScreen(int value, int limit) {
  return value >= 0 && value <= limit - 30;
}

bool operator==(const app::Settings& a, const app::Settings& b) {
  return a.flags == b.flags && a.positions == b.positions && a.land == b.land;
}

// The window as it stands before reading: values the reading must either
// replace or keep, none of them a default.
app::Settings Current() {
  app::Settings current;
  current.flags = {true, false, true, false, true, true, false, true, false};
  current.positions = {11, 22, 33, 44};
  current.land = "D-BY";  // never survives a reading: only a stored one is applied
  return current;
}

void CheckReading(const platform::SettingsStore& store, const app::ReadResult& read) {
  const app::Settings current = Current();
  const app::Settings& settings = read.settings;
  Check(read.firstStart == !store.Exists());
  // Ticks that are never stored stay as the window had them.
  Check(settings.flags.autostart == current.flags.autostart);
  Check(settings.flags.icon == current.flags.icon);
  const app::WindowPositions& positions = settings.positions;
  Check(OnScreen(positions.xB, kScreen.width) && OnScreen(positions.xS, kScreen.width));
  Check(OnScreen(positions.yB, kScreen.height) && OnScreen(positions.yS, kScreen.height));
  Check(settings.land.empty() ||
        (settings.flags.landSave && !engine::RegionNameOfCode(settings.land).empty()));
  if (read.firstStart) {
    Check(settings.flags == current.flags);
    Check(positions == app::ClampPositions(app::FirstStartPositions(kScreen, kWindow), kScreen));
    Check(settings.land.empty());
    Check(read.damaged == store.Unreadable());
    return;
  }
  Check(!store.Unreadable());
  // The first value decides whether anything was read at all.
  if (const auto small = store.ReadInt("smal")) {
    Check(settings.flags.small == (*small != 0));
  } else {
    Check(settings.flags == current.flags &&
          settings.positions == app::ClampPositions(current.positions, kScreen));
    Check(read.damaged == store.Holds("smal"));
  }
}

}  // namespace

// QSettings reads a value "@Variant(...)" as serialised data and reserves
// what a count in it says, gigabytes that it never touches; the system
// hands out that address space or refuses it, and Qt copes with both. The
// address sanitizer would shadow all of it, so here a large request is
// refused, as on a small machine.
extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  SetUpOnce();
  Check(Directory().isValid());
  // A new name for every input: QSettings keeps parsed files by name and
  // would take a same-sized file written within the same instant for the
  // old one.
  static unsigned long long serial = 0;
  const QString path = Directory().filePath(QStringLiteral("RaZaduvovi-%1.conf").arg(++serial));
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
  }

  const platform::SettingsStore store(path);
  const bool exists = store.Exists();
  const bool unreadable = store.Unreadable();
  Check(!(exists && unreadable));
  for (const char* name : kNumberNames) {
    const std::optional<std::int32_t> number = store.ReadInt(name);
    Check(!number || (exists && store.Holds(name)));
  }
  for (const char* name : kTextNames) {
    const std::optional<std::string> text = store.ReadText(name);
    Check(!text || (exists && store.Holds(name)));
  }
  const app::ReadResult read = app::ReadSettings(store, Current(), kScreen, kWindow);
  CheckReading(store, read);
  // A second reading through a store of its own finds the same.
  const app::ReadResult again =
      app::ReadSettings(platform::SettingsStore(path), Current(), kScreen, kWindow);
  Check(again.settings == read.settings && again.firstStart == read.firstStart &&
        again.damaged == read.damaged);
  // Reading left the file as it was, and nothing beside it.
  Check(ReadBytes(path) == content);
  Check(QDir(Directory().path()).entryList(QDir::Files | QDir::Hidden).size() == 1);

  // The user's own save replaces whatever stood there, and reads back whole.
  platform::SettingsStore saved(path);
  app::SaveInput input;
  input.flags = read.settings.flags;
  input.positions = read.settings.positions;
  input.left = read.settings.positions.xB;
  input.top = read.settings.positions.yB;
  input.land = read.settings.land;
  input.programPath = "/usr/bin/razaduvovi";
  input.kind = app::SaveKind::Explicit;
  input.storeDamaged = read.damaged;
  const app::SaveResult save = app::SaveSettings(saved, input);
  Check(!save.failed);
  const app::ReadResult back = app::ReadSettings(saved, Current(), kScreen, kWindow);
  Check(!back.damaged);
  if (save.deleted) {
    Check(back.firstStart && !QFile::exists(path));
  } else {
    Check(!back.firstStart && back.settings == read.settings);
  }
  QFile::remove(path);
  return 0;
}
