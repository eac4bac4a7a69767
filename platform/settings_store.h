// SPDX-License-Identifier: MIT
// SettingsStore: the user's settings key through QSettings in the native
// format: on Windows the registry key HKEY_CURRENT_USER\Software\RaZaduvovi,
// elsewhere the user's configuration file RaZaduvovi.conf. Every write
// replaces the whole content at once (the file through a temporary file that
// is renamed), so a crash during a save never leaves half a file. A store
// that cannot be read or parsed holds no values and says so (Unreadable);
// a write replaces it whole, and removing the key removes the file too.
#pragma once

#include <QString>

#include "platform/keyvalue_store.h"

namespace platform {

class SettingsStore : public KeyValueStore {
 public:
  // ForUser: the store of the current user (organisation "RaZaduvovi").
  static SettingsStore ForUser();
  // SettingsStore: a store in the given INI file, for tests and tools.
  explicit SettingsStore(QString iniFile);  // "/tmp/x/RaZaduvovi.conf"

  bool Exists() const override;
  bool Unreadable() const override;
  bool Holds(std::string_view name) const override;
  std::optional<std::int32_t> ReadInt(std::string_view name) const override;
  std::optional<std::string> ReadText(std::string_view name) const override;
  bool Replace(const std::vector<StoredEntry>& entries) override;
  bool Remove() override;

  // Location: the file or registry path, for messages and tests.
  QString Location() const { return location_; }

 private:
  SettingsStore(QString location, bool native) : location_(std::move(location)), native_(native) {}

  QString location_;
  bool native_ = false;
};

}  // namespace platform
