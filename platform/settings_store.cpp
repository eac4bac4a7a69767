// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <map>
#include <memory>

namespace platform {

namespace {

// The registry's default value has no name; QSettings calls it "Default".
QString KeyOf(std::string_view name) {
  return name.empty() ? QStringLiteral("Default")
                      : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

bool IsRegistry(const QString& location) {
  return location.startsWith(QLatin1String("HKEY_"));
}

}  // namespace

SettingsStore SettingsStore::ForUser() {
#ifdef Q_OS_WIN
  return SettingsStore(QStringLiteral("HKEY_CURRENT_USER\\Software\\RaZaduvovi"), true);
#else
  // The native format here is an INI file: the one of organisation
  // "RaZaduvovi" without an application name.
  const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                        QStringLiteral("RaZaduvovi"));
  return SettingsStore(probe.fileName(), true);
#endif
}

SettingsStore::SettingsStore(QString iniFile) : location_(std::move(iniFile)) {}

namespace {

std::unique_ptr<QSettings> Open(const QString& location, bool native) {
  auto settings = std::make_unique<QSettings>(
      location, native && IsRegistry(location) ? QSettings::NativeFormat : QSettings::IniFormat);
  settings->setAtomicSyncRequired(true);
  return settings;
}

// QSettings parses a file once per process and hands the parsed keys to
// every later QSettings on it while its size and time stay the same; only
// the one that parsed it reports the error. What that one found is kept
// here under the same rule, so that a damaged file reads as damaged every
// time. (The window reads its store from the main thread only.)
struct Stamp {
  qint64 size = 0;
  QDateTime modified;
  bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const QFileInfo& file) {
  return {file.size(), file.lastModified()};
}

std::map<QString, Stamp>& FilesThatFailed() {
  static std::map<QString, Stamp> files;
  return files;
}

QSettings::Status StatusOf(const QSettings& settings, const QString& location) {
  // QSettings reads the file at the first access, not when it is made: until
  // then its status is always NoError.
  (void)settings.allKeys();
  if (IsRegistry(location)) return settings.status();
  const QFileInfo file(location);
  const QString path = file.absoluteFilePath();
  std::map<QString, Stamp>& failed = FilesThatFailed();
  if (settings.status() != QSettings::NoError) {
    failed[path] = StampOf(file);
    return settings.status();
  }
  const auto found = failed.find(path);
  if (found == failed.end()) return QSettings::NoError;
  if (file.exists() && found->second == StampOf(file)) return QSettings::FormatError;
  failed.erase(found);
  return QSettings::NoError;
}

// After a write or a removal the file is the store's own again, whatever
// its size and time.
void Forget(const QString& location) {
  FilesThatFailed().erase(QFileInfo(location).absoluteFilePath());
}

// A store that cannot be read or parsed is treated as absent.
bool Readable(const QSettings& settings, const QString& location) {
  return StatusOf(settings, location) == QSettings::NoError && !settings.allKeys().isEmpty();
}

}  // namespace

bool SettingsStore::Exists() const {
  return Readable(*Open(location_, native_), location_);
}

bool SettingsStore::Unreadable() const {
  if (StatusOf(*Open(location_, native_), location_) == QSettings::NoError) return false;
  // A file that is not there is no key at all, however QSettings took it.
  return IsRegistry(location_) || QFileInfo::exists(location_);
}

bool SettingsStore::Holds(std::string_view name) const {
  const auto settings = Open(location_, native_);
  return Readable(*settings, location_) && settings->contains(KeyOf(name));
}

std::optional<std::int32_t> SettingsStore::ReadInt(std::string_view name) const {
  const auto settings = Open(location_, native_);
  if (!Readable(*settings, location_)) return {};
  const QVariant value = settings->value(KeyOf(name));
  if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt ||
      value.typeId() == QMetaType::LongLong) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok) return number;
    return {};
  }
  if (value.typeId() != QMetaType::QString) return {};
  // An INI file keeps no types: a number is a text of digits there.
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok, 10);
  if (!ok) return {};
  return number;
}

std::optional<std::string> SettingsStore::ReadText(std::string_view name) const {
  const auto settings = Open(location_, native_);
  if (!Readable(*settings, location_)) return {};
  const QVariant value = settings->value(KeyOf(name));
  if (value.typeId() != QMetaType::QString) return {};
  return value.toString().toStdString();
}

bool SettingsStore::Replace(const std::vector<StoredEntry>& entries) {
  const auto write = [&] {
    const auto settings = Open(location_, native_);
    settings->clear();
    for (const StoredEntry& entry : entries) {
      if (const auto* number = std::get_if<std::int32_t>(&entry.value)) {
        settings->setValue(KeyOf(entry.name), *number);
      } else {
        settings->setValue(KeyOf(entry.name),
                           QString::fromStdString(std::get<std::string>(entry.value)));
      }
    }
    settings->sync();
    if (settings->status() != QSettings::NoError) return false;
    Forget(location_);
    return true;
  };
  if (write()) return true;
  // QSettings will not write over a file it could not parse; such a file
  // holds nothing worth keeping and is replaced whole.
  if (IsRegistry(location_) || !QFileInfo(location_).isFile() || !QFile::remove(location_)) {
    return false;
  }
  return write();
}

bool SettingsStore::Remove() {
  {
    auto settings = Open(location_, native_);
    settings->remove(QString());
    settings->sync();
  }
  Forget(location_);
  if (IsRegistry(location_)) return true;
  return !QFileInfo::exists(location_) || QFile::remove(location_);
}

}  // namespace platform
