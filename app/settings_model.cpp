// SPDX-License-Identifier: MIT
#include "app/settings_model.h"

#include "engine/region.h"

namespace app {

namespace {

// The flags in their stored order, each with its field.
struct FlagName {
  const char* name;
  bool SettingFlags::*field;
};
constexpr FlagName kFlagNames[] = {
    {"smal", &SettingFlags::small},        {"Front", &SettingFlags::front},
    {"Date1h", &SettingFlags::date1h},     {"Clock00", &SettingFlags::clock00},
    {"LandSave", &SettingFlags::landSave},
};

struct PositionName {
  const char* name;
  int WindowPositions::*field;
};
constexpr PositionName kPositionNames[] = {
    {"x_B", &WindowPositions::xB},
    {"y_B", &WindowPositions::yB},
    {"x_S", &WindowPositions::xS},
    {"y_S", &WindowPositions::yS},
};

// The value written after all the others; a key from before it lacks it.
constexpr char kTrayName[] = "Tray";
// And the one after it.
constexpr char kSchoolHolidaysName[] = "Schulferien";

// Reads every value of an existing key in its order and stops at the first
// one that is missing or mistyped; "Land" counts only with "LandSave".
// False when a value stands there with another type than the program writes
// (a text where a number belongs): the key was not left so by the program.
bool ReadStored(const platform::KeyValueStore& store, Settings& read) {
  // A value that did not read is fine only when it is not there at all.
  const auto missing = [&store](const char* name) { return !store.Holds(name); };
  for (const FlagName& flag : kFlagNames) {
    const auto value = store.ReadInt(flag.name);
    if (!value) return missing(flag.name);
    read.flags.*flag.field = *value != 0;
  }
  for (const PositionName& position : kPositionNames) {
    const auto value = store.ReadInt(position.name);
    if (!value) return missing(position.name);
    read.positions.*position.field = *value;
  }
  if (read.flags.landSave) {
    const auto land = store.ReadText("Land");
    if (!land) return missing("Land");
    // Only a region the table knows is applied; anything else would turn
    // into the date edit's default region without a word.
    if (!engine::RegionNameOfCode(*land).empty()) read.land = *land;
  }
  const auto tray = store.ReadInt(kTrayName);
  if (!tray) return missing(kTrayName);
  read.flags.tray = *tray != 0;
  const auto school = store.ReadInt(kSchoolHolidaysName);
  if (!school) return missing(kSchoolHolidaysName);
  read.flags.schoolHolidays = *school != 0;
  return true;
}

}  // namespace

WindowPositions FirstStartPositions(Size screen, Size window) {
  // Each position is computed in floating point and then truncated toward zero.
  return {static_cast<int>(screen.width * 0.5 - window.width * 0.5),
          static_cast<int>(screen.height * 0.5 - window.height * 0.5),
          static_cast<int>(screen.width * 0.25 * 3), 0};
}

WindowPositions ClampPositions(WindowPositions positions, Size screen) {
  const auto clamp = [](int& value, int limit) {
    if (value < 0 || value > limit - 30) value = 0;
  };
  clamp(positions.xB, screen.width);
  clamp(positions.xS, screen.width);
  clamp(positions.yB, screen.height);
  clamp(positions.yS, screen.height);
  return positions;
}

ReadResult ReadSettings(const platform::KeyValueStore& store, const Settings& current, Size screen,
                        Size window) {
  ReadResult result;
  result.settings = current;
  result.settings.land.clear();
  Settings& read = result.settings;
  if (!store.Exists()) {
    result.firstStart = true;
    result.damaged = store.Unreadable();
    read.positions = FirstStartPositions(screen, window);
  } else {
    result.damaged = !ReadStored(store, read);
  }
  read.positions = ClampPositions(read.positions, screen);
  return result;
}

bool KeepsKey(const SettingFlags& flags) {
  return flags.small || flags.date1h || flags.clock00 || flags.landSave || flags.autostart ||
         flags.icon || flags.tray || !flags.schoolHolidays;
}

SettingFlags RestoreFlags(const platform::KeyValueStore& store, const SettingFlags& current) {
  SettingFlags flags = current;
  if (!store.Exists()) {
    flags = SettingFlags{};
    flags.autostart = current.autostart;
    flags.icon = current.icon;
    return flags;
  }
  Settings read;
  read.flags = current;
  ReadStored(store, read);
  return read.flags;
}

SaveResult SaveSettings(platform::KeyValueStore& store, const SaveInput& input) {
  SaveResult result;
  result.positions = input.positions;
  // A key that did not read may still mean something to its user (a
  // hand-edited file, one of a later version): only his own save replaces it.
  if (input.storeDamaged && input.kind != SaveKind::Explicit) return result;
  if (!KeepsKey(input.flags)) {
    if (input.kind == SaveKind::Explicit) {
      result.deleted = true;
      result.failed = !store.Remove();
      return result;
    }
    // Closing or resizing the window keeps a key the user has not deleted,
    // and creates none after he did.
    if (input.kind == SaveKind::Automatic && !store.Exists()) return result;
  }
  if (input.bigMode) {
    result.positions.xB = input.left;
    result.positions.yB = input.top;
  } else {
    result.positions.xS = input.left;
    result.positions.yS = input.top;
  }
  std::vector<platform::StoredEntry> entries;
  entries.push_back({"", input.programPath});
  for (const FlagName& flag : kFlagNames) {
    entries.push_back({flag.name, input.flags.*flag.field ? 1 : 0});
  }
  for (const PositionName& position : kPositionNames) {
    entries.push_back({position.name, result.positions.*position.field});
  }
  if (input.flags.landSave) entries.push_back({"Land", input.land});
  entries.push_back({kTrayName, input.flags.tray ? 1 : 0});
  entries.push_back({kSchoolHolidaysName, input.flags.schoolHolidays ? 1 : 0});
  result.written = true;
  result.failed = !store.Replace(entries);
  return result;
}

}  // namespace app
