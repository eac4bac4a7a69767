// SPDX-License-Identifier: MIT
// The main window's stored settings without a window: which values are read
// in which order and where reading stops, the positions a first start
// computes from the screen, how stored positions are held on the screen, and
// when a save keeps the key and when it deletes it. The window only shows
// what these functions decide; the store is any platform::KeyValueStore.
#pragma once

#include <string>

#include "platform/keyvalue_store.h"

namespace app {

// The ticks of the settings panel; autostart and icon are never shown but
// take part in the rule that deletes the key. "Tray" came later than the
// others and is stored after all of them, so older keys still read whole.
struct SettingFlags {
  bool small = false;     // "smal": the date-only window
  bool front = false;     // "Front": the date-only window stays on top
  bool date1h = false;    // "Date1h": refresh an hour after a date change
  bool clock00 = false;   // "Clock00": refresh at midnight
  bool landSave = false;  // "LandSave": keep the region
  bool autostart = false;
  bool icon = false;
  bool tray = false;  // "Tray": the week number in the desktop's tray
  // "Schulferien": school holidays marked on the month sheet; on unless
  // switched off, stored after "Tray".
  bool schoolHolidays = true;
  bool operator==(const SettingFlags&) const = default;
};

// Left and top of the normal window (B) and of the date-only window (S).
struct WindowPositions {
  int xB = 0;
  int yB = 0;
  int xS = 0;
  int yS = 0;
  bool operator==(const WindowPositions&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

struct Settings {
  SettingFlags flags;
  WindowPositions positions;
  std::string land;  // a region to apply, "" for none
};

// What a reading found.
struct ReadResult {
  Settings settings;
  bool firstStart = false;  // no stored key: positions computed from the screen
  // damaged: the key is there but not as the program leaves it: it cannot
  // be parsed, or a value has another type. Nothing but an explicit save
  // may write it then.
  bool damaged = false;
};

// ReadSettings: reads the flags, the positions, "Land" (with "LandSave")
// and "Tray" in that order and stops at the first value that is missing or
// mistyped, keeping what was read before and the current values of the
// rest; without a key computes the first-start positions. Positions are
// then held on the screen, and "Land" is kept only while "LandSave" is set
// and the region table knows it. A key written before "Tray" existed lacks
// only that last value, so everything else of it is read. A key that cannot
// be parsed reads as none (first-start positions), and is marked damaged,
// as is one where the reading stopped at a value of another type.
ReadResult ReadSettings(const platform::KeyValueStore& store, const Settings& current, Size screen,
                        Size window);  // no key, 1920x1080, 192x252 -> xB 864, yB 414, xS 1440

// FirstStartPositions: the normal window centred, the date-only window at
// three quarters of the screen width at the top.
WindowPositions FirstStartPositions(Size screen, Size window);  // 1920x1080 -> 864, 414, 1440, 0

// ClampPositions: a negative position, a left beyond the screen width less
// 30 and a top beyond the height less 30 become 0.
WindowPositions ClampPositions(WindowPositions positions, Size screen);  // x_B 1891 of 1920 -> 0

// KeepsKey: whether a save keeps the key: some tick other than "Front"
// (the tray's tick keeps it too, or ticking only that one could not be kept),
// or the school holidays switched off, which is the choice to remember.
bool KeepsKey(const SettingFlags& flags);  // only front -> false

// RestoreFlags: the ticks as the store holds them (read with the same stop
// rule, "Tray" included), for leaving the panel without saving; all cleared
// without a key.
SettingFlags RestoreFlags(const platform::KeyValueStore& store, const SettingFlags& current);

enum class SaveKind {
  Explicit,    // "Speichern": no tick deletes the key
  Automatic,   // closing, changing the window: no tick keeps an existing key
  FirstStart,  // the first start writes the key in any case
};

struct SaveInput {
  SettingFlags flags;
  WindowPositions positions;
  bool bigMode = true;  // the window's left and top go to B, else to S
  int left = 0;
  int top = 0;
  std::string land;  // the region now shown; written only with landSave
  std::string programPath;
  SaveKind kind = SaveKind::Explicit;
  bool storeDamaged = false;  // the last reading found the key damaged
};

struct SaveResult {
  WindowPositions positions;  // with the window's place taken over
  bool written = false;
  bool deleted = false;
  bool failed = false;  // the store refused the write or the deletion
};

// SaveSettings: writes a damaged key only on an explicit save; deletes the
// key when no tick keeps it (SaveKind decides what that means), otherwise takes the window's place
// into its positions and replaces the key with the program path, the five flags, the four
// positions, with "LandSave" "Land", and last "Tray".
SaveResult SaveSettings(platform::KeyValueStore& store, const SaveInput& input);

}  // namespace app
