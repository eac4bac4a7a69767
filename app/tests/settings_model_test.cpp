// SPDX-License-Identifier: MIT
#include "app/settings_model.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using platform::MemoryStore;

constexpr Size kScreen{1920, 1080};
constexpr Size kWindow{192, 252};

// A store as a save with these ticks leaves it.
MemoryStore StoreWith(SettingFlags flags, WindowPositions positions, const std::string& land = "") {
  MemoryStore store;
  SaveInput input{flags,
                  positions,
                  true,
                  positions.xB,
                  positions.yB,
                  land,
                  "/usr/bin/razaduvovi",
                  SaveKind::Explicit};
  SaveSettings(store, input);
  return store;
}

TEST(SettingsModel, AFirstStartCentresTheWindowAndPutsTheSmallOneTopRight) {
  const MemoryStore empty;
  const ReadResult read = ReadSettings(empty, {}, kScreen, kWindow);
  EXPECT_TRUE(read.firstStart);
  EXPECT_EQ(read.settings.positions, (WindowPositions{864, 414, 1440, 0}));
  const struct {
    Size screen;
    Size window;
    WindowPositions expected;
  } kCases[] = {
      {{1920, 1080}, {192, 252}, {864, 414, 1440, 0}},
      {{1366, 768}, {193, 253}, {586, 257, 1024, 0}},  // 586,5 and 257,5 truncated
      {{800, 600}, {192, 252}, {304, 174, 600, 0}},
      {{100, 100}, {192, 252}, {0, 0, 0, 0}},  // larger than the screen: held at 0
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ReadSettings(empty, {}, c.screen, c.window).settings.positions, c.expected)
        << c.screen.width;
  }
}

TEST(SettingsModel, PositionsAreHeldOnTheScreen) {
  const struct {
    int value;
    int expectedLeft;
    int expectedTop;
  } kCases[] = {
      {-5, 0, 0},      {0, 0, 0},       {1049, 1049, 1049}, {1050, 1050, 1050},
      {1051, 1051, 0}, {1890, 1890, 0}, {1891, 0, 0},       {-2147483647, 0, 0},
  };
  for (const auto& c : kCases) {
    const WindowPositions clamped = ClampPositions({c.value, c.value, c.value, c.value}, kScreen);
    EXPECT_EQ(clamped,
              (WindowPositions{c.expectedLeft, c.expectedTop, c.expectedLeft, c.expectedTop}))
        << c.value;
  }
}

TEST(SettingsModel, StoredValuesAreReadBack) {
  const MemoryStore store =
      StoreWith({true, true, false, true, true}, {-5, 1051, 1890, 1050}, "A-NÖ");
  const ReadResult read = ReadSettings(store, {}, kScreen, kWindow);
  EXPECT_FALSE(read.firstStart);
  EXPECT_EQ(read.settings.flags, (SettingFlags{true, true, false, true, true}));
  EXPECT_EQ(read.settings.positions, (WindowPositions{0, 0, 1890, 1050}));
  EXPECT_EQ(read.settings.land, "A-NÖ");
}

TEST(SettingsModel, AnyNonZeroFlagIsTrue) {
  MemoryStore store = StoreWith({false, false, true}, {1, 2, 3, 4});
  store.Set("smal", 2);
  store.Set("Date1h", -1);
  const ReadResult read = ReadSettings(store, {}, kScreen, kWindow);
  EXPECT_TRUE(read.settings.flags.small);
  EXPECT_TRUE(read.settings.flags.date1h);
}

TEST(SettingsModel, AMissingOrMistypedValueStopsTheReading) {
  const struct {
    const char* name;
    SettingFlags flags;
    WindowPositions positions;
  } kCases[] = {
      // Current values are the defaults; what came before the bad value is read.
      {"smal", {}, {}},
      {"Front", {true}, {}},
      {"LandSave", {true, true, true, true}, {}},
      {"x_B", {true, true, true, true, true}, {}},
      {"y_S", {true, true, true, true, true}, {100, 200, 300, 0}},
  };
  for (const auto& c : kCases) {
    for (const bool missing : {true, false}) {
      MemoryStore store = StoreWith({true, true, true, true, true}, {100, 200, 300, 400}, "D-BY");
      if (missing) {
        std::map<std::string, platform::StoredValue> values = store.Values();
        values.erase(c.name);
        MemoryStore without;
        for (const auto& [name, value] : values) without.Set(name, value);
        store = without;
      } else {
        store.Set(c.name, std::string("abc"));
      }
      const ReadResult read = ReadSettings(store, {}, kScreen, kWindow);
      EXPECT_EQ(read.settings.flags, c.flags) << c.name << missing;
      EXPECT_EQ(read.settings.positions, c.positions) << c.name << missing;
      EXPECT_EQ(read.settings.land, "") << c.name << missing;
    }
  }
}

TEST(SettingsModel, AStoppedReadingKeepsTheCurrentValuesOfTheRest) {
  MemoryStore store = StoreWith({true}, {100, 200, 300, 400});
  store.Set("x_B", std::string("abc"));
  Settings current;
  current.positions = {7, 8, 9, 10};
  current.flags.clock00 = true;
  const ReadResult read = ReadSettings(store, current, kScreen, kWindow);
  EXPECT_EQ(read.settings.flags, (SettingFlags{true, false, false, false, false}));
  EXPECT_EQ(read.settings.positions, (WindowPositions{7, 8, 9, 10}));
}

// "Land" was applied whatever "LandSave" said and whatever its text was.
TEST(SettingsModel, LandIsAppliedOnlyWhenKeptAndKnown) {
  const struct {
    bool landSave;
    const char* stored;
    const char* expected;
  } kCases[] = {
      {true, "D-BY", "D-BY"}, {true, "A-NÖ", "A-NÖ"}, {true, "D", "D"},    {true, "XY", ""},
      {true, "", ""},         {true, "d-by", ""},     {false, "D-BY", ""},
  };
  for (const auto& c : kCases) {
    MemoryStore store = StoreWith({true, false, false, false, c.landSave}, {1, 2, 3, 4});
    store.Set("Land", std::string(c.stored));
    EXPECT_EQ(ReadSettings(store, {}, kScreen, kWindow).settings.land, c.expected) << c.stored;
  }
}

TEST(SettingsModel, LandIsWrittenOnlyWithLandSave) {
  EXPECT_EQ(StoreWith({false, false, false, false, true}, {}, "D-BY").ReadText("Land"), "D-BY");
  EXPECT_EQ(StoreWith({true}, {}, "D-BY").ReadText("Land"), std::nullopt);
}

TEST(SettingsModel, ASaveWritesEveryValue) {
  MemoryStore store;
  const SaveResult result = SaveSettings(store, {{true, false, true, false, false},
                                                 {1, 2, 3, 4},
                                                 false,
                                                 50,
                                                 60,
                                                 "D-NI",
                                                 "/opt/razaduvovi",
                                                 SaveKind::Explicit});
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.positions, (WindowPositions{1, 2, 50, 60}));
  const std::map<std::string, platform::StoredValue> expected{{"", std::string("/opt/razaduvovi")},
                                                              {"smal", 1},
                                                              {"Front", 0},
                                                              {"Date1h", 1},
                                                              {"Clock00", 0},
                                                              {"LandSave", 0},
                                                              {"x_B", 1},
                                                              {"y_B", 2},
                                                              {"x_S", 50},
                                                              {"y_S", 60},
                                                              {"Tray", 0},
                                                              {"Schulferien", 1}};
  EXPECT_EQ(store.Values(), expected);
}

TEST(SettingsModel, NoTickButFrontDeletesTheKeyOnSpeichern) {
  const struct {
    SettingFlags flags;
    bool keeps;
  } kCases[] = {
      {{}, false},
      {{false, true}, false},
      {{true}, true},
      {{false, false, true}, true},
      {{false, false, false, true}, true},
      {{false, false, false, false, true}, true},
      {{false, false, false, false, false, true}, true},
      {{false, false, false, false, false, false, true}, true},
      {{false, false, false, false, false, false, false, true}, true},
      {{false, true, false, false, false, false, false, true}, true},
  };
  for (const auto& c : kCases) {
    MemoryStore store = StoreWith({true}, {1, 2, 3, 4});
    const SaveResult result =
        SaveSettings(store, {c.flags, {1, 2, 3, 4}, true, 5, 6, "D-NI", "", SaveKind::Explicit});
    EXPECT_EQ(KeepsKey(c.flags), c.keeps);
    EXPECT_EQ(store.Exists(), c.keeps);
    EXPECT_EQ(result.deleted, !c.keeps);
  }
}

// The first start wrote nothing when no box was ticked, so every start was a first start.
TEST(SettingsModel, TheFirstStartWritesTheKeyAndLaterSavesKeepIt) {
  MemoryStore store;
  const ReadResult first = ReadSettings(store, {}, kScreen, kWindow);
  ASSERT_TRUE(first.firstStart);
  SaveSettings(store, {first.settings.flags, first.settings.positions, true, 864, 414, "D-NI", "",
                       SaveKind::FirstStart});
  EXPECT_TRUE(store.Exists());
  // Closing the window saves automatically and keeps the key.
  SaveSettings(store,
               {{}, first.settings.positions, true, 10, 20, "D-NI", "", SaveKind::Automatic});
  const ReadResult second = ReadSettings(store, {}, kScreen, kWindow);
  EXPECT_FALSE(second.firstStart);
  EXPECT_EQ(second.settings.positions, (WindowPositions{10, 20, 1440, 0}));
}

TEST(SettingsModel, AfterSpeichernDeletedTheKeyClosingCreatesNone) {
  MemoryStore store = StoreWith({true}, {1, 2, 3, 4});
  SaveSettings(store, {{}, {1, 2, 3, 4}, true, 5, 6, "D-NI", "", SaveKind::Explicit});
  ASSERT_FALSE(store.Exists());
  SaveSettings(store, {{}, {1, 2, 3, 4}, true, 5, 6, "D-NI", "", SaveKind::Automatic});
  EXPECT_FALSE(store.Exists());
  EXPECT_TRUE(ReadSettings(store, {}, kScreen, kWindow).firstStart);
}

// Leaving the panel with "zurück" stored the changed ticks.
TEST(SettingsModel, RestoreFlagsGivesTheStoredTicks) {
  const MemoryStore store = StoreWith({true, true, false, true, false}, {1, 2, 3, 4});
  EXPECT_EQ(RestoreFlags(store, {false, false, true, false, true}),
            (SettingFlags{true, true, false, true, false}));
  EXPECT_EQ(RestoreFlags(MemoryStore{}, {true, true, true, true, true}), SettingFlags{});
}

// A key written before the tray's tick existed lost all its values, because
// the missing last value was taken as a reason to read nothing.
TEST(SettingsModel, AKeyWithoutTheTraysTickIsReadWhole) {
  MemoryStore store = StoreWith({true, true, false, true, true}, {100, 200, 300, 400}, "D-BY");
  std::map<std::string, platform::StoredValue> values = store.Values();
  values.erase("Tray");
  MemoryStore old;
  for (const auto& [name, value] : values) old.Set(name, value);
  for (const bool currentTray : {false, true}) {
    Settings current;
    current.flags.tray = currentTray;
    const ReadResult read = ReadSettings(old, current, kScreen, kWindow);
    EXPECT_EQ(read.settings.flags,
              (SettingFlags{true, true, false, true, true, false, false, currentTray}));
    EXPECT_EQ(read.settings.positions, (WindowPositions{100, 200, 300, 400}));
    EXPECT_EQ(read.settings.land, "D-BY");
    EXPECT_EQ(RestoreFlags(old, current.flags),
              (SettingFlags{true, true, false, true, true, false, false, currentTray}));
  }
}

TEST(SettingsModel, TheTraysTickIsReadLastUnderTheSameStopRule) {
  const struct {
    const char* broken;  // the value made missing or mistyped, "" for none
    bool landSave;
    bool expectedTray;
  } kCases[] = {
      {"", false, true},     {"", true, true},       {"Tray", false, false},
      {"Tray", true, false}, {"smal", false, false}, {"LandSave", false, false},
      {"x_B", false, false}, {"y_S", true, false},   {"Land", true, false},
      {"Land", false, true},  // without "LandSave" "Land" is not read at all
  };
  for (const auto& c : kCases) {
    for (const bool missing : {true, false}) {
      SettingFlags flags{true};
      flags.landSave = c.landSave;
      flags.tray = true;
      MemoryStore store = StoreWith(flags, {100, 200, 300, 400}, "D-BY");
      if (std::string(c.broken) == "Land" && !c.landSave) store.Set("Land", std::string("D-BY"));
      if (*c.broken != '\0') {
        if (missing) {
          std::map<std::string, platform::StoredValue> values = store.Values();
          values.erase(c.broken);
          MemoryStore without;
          for (const auto& [name, value] : values) without.Set(name, value);
          store = without;
        } else if (std::string(c.broken) == "Land") {
          store.Set(c.broken, 7);
        } else {
          store.Set(c.broken, std::string("abc"));
        }
      }
      EXPECT_EQ(ReadSettings(store, {}, kScreen, kWindow).settings.flags.tray, c.expectedTray)
          << c.broken << missing << c.landSave;
      EXPECT_EQ(RestoreFlags(store, {}).tray, c.expectedTray) << c.broken << missing;
    }
  }
}

TEST(SettingsModel, TheTraysTickIsWrittenAndKeepsTheKeyAlone) {
  SettingFlags flags;
  flags.tray = true;
  MemoryStore store = StoreWith({true}, {1, 2, 3, 4});
  const SaveResult result =
      SaveSettings(store, {flags, {1, 2, 3, 4}, true, 5, 6, "D-NI", "", SaveKind::Explicit});
  EXPECT_TRUE(result.written);
  EXPECT_EQ(store.ReadInt("Tray"), 1);
  EXPECT_TRUE(ReadSettings(store, {}, kScreen, kWindow).settings.flags.tray);
}

// The school holidays' tick came after the tray's: a key without it reads
// whole and keeps the tick on; switched off, it is stored and keeps the key.
TEST(SettingsModel, TheSchoolHolidaysTickIsReadAfterTheTraysAndOnByDefault) {
  EXPECT_TRUE(SettingFlags{}.schoolHolidays);
  MemoryStore store = StoreWith({true, true}, {100, 200, 300, 400});
  std::map<std::string, platform::StoredValue> values = store.Values();
  values.erase("Schulferien");
  MemoryStore old;
  for (const auto& [name, value] : values) old.Set(name, value);
  const ReadResult read = ReadSettings(old, {}, kScreen, kWindow);
  EXPECT_TRUE(read.settings.flags.schoolHolidays);
  EXPECT_TRUE(read.settings.flags.small);
  EXPECT_EQ(read.settings.positions, (WindowPositions{100, 200, 300, 400}));

  SettingFlags off;
  off.schoolHolidays = false;
  EXPECT_TRUE(KeepsKey(off));
  MemoryStore saved;
  const SaveResult result =
      SaveSettings(saved, {off, {1, 2, 3, 4}, true, 5, 6, "D-NI", "", SaveKind::Explicit});
  EXPECT_TRUE(result.written);
  EXPECT_EQ(saved.ReadInt("Schulferien"), 0);
  EXPECT_FALSE(ReadSettings(saved, {}, kScreen, kWindow).settings.flags.schoolHolidays);
  EXPECT_FALSE(RestoreFlags(saved, {}).schoolHolidays);
  // Without the tray's value the stop rule leaves the current tick.
  saved.Set("Tray", std::string("kaputt"));
  EXPECT_TRUE(ReadSettings(saved, {}, kScreen, kWindow).settings.flags.schoolHolidays);
}

// A key that could not be parsed, or held a value of another type, was
// written over unasked: by the first start, the window's moves and closing.
TEST(SettingsModel, ADamagedKeyIsWrittenOnlyByTheUsersSave) {
  MemoryStore unparsable = StoreWith({true}, {1, 2, 3, 4});
  unparsable.unreadable = true;
  MemoryStore textForNumber = StoreWith({true}, {1, 2, 3, 4});
  textForNumber.Set("x_B", std::string("abc"));
  MemoryStore numberForText = StoreWith({true, false, false, false, true}, {1, 2, 3, 4}, "D-BY");
  numberForText.Set("Land", 7);
  MemoryStore lastValue = StoreWith({true}, {1, 2, 3, 4});
  lastValue.Set("Schulferien", std::string("ja"));
  for (MemoryStore* store : {&unparsable, &textForNumber, &numberForText, &lastValue}) {
    const ReadResult read = ReadSettings(*store, {}, kScreen, kWindow);
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.firstStart, store == &unparsable);
    const std::map<std::string, platform::StoredValue> before = store->Values();
    for (const SaveKind kind : {SaveKind::FirstStart, SaveKind::Automatic}) {
      for (const SettingFlags& flags : {SettingFlags{}, SettingFlags{true, true, true}}) {
        SaveInput input{flags, read.settings.positions, true, 5, 6, "D-NI", "", kind};
        input.storeDamaged = true;
        const SaveResult result = SaveSettings(*store, input);
        EXPECT_FALSE(result.written || result.deleted || result.failed);
        EXPECT_EQ(result.positions, read.settings.positions);
      }
    }
    EXPECT_EQ(store->writes, 1);  // the one of StoreWith
    EXPECT_EQ(store->removals, 0);
    EXPECT_EQ(store->Values(), before);
    EXPECT_TRUE(store->Unreadable() == (store == &unparsable));

    SaveInput input{{true}, read.settings.positions, true, 5, 6, "D-NI", "", SaveKind::Explicit};
    input.storeDamaged = true;
    EXPECT_TRUE(SaveSettings(*store, input).written);
    const ReadResult after = ReadSettings(*store, {}, kScreen, kWindow);
    EXPECT_FALSE(after.damaged || after.firstStart);
    EXPECT_EQ(after.settings.positions,
              (WindowPositions{5, 6, read.settings.positions.xS, read.settings.positions.yS}));
  }
}

// What a program of this or an earlier version leaves, or no key at all, is
// not damaged: the window keeps writing it on its own.
TEST(SettingsModel, MissingValuesAndUnknownRegionsAreNoDamage) {
  EXPECT_FALSE(ReadSettings(MemoryStore{}, {}, kScreen, kWindow).damaged);
  for (const char* name : {"Schulferien", "Tray", "y_S", "smal", ""}) {
    MemoryStore whole = StoreWith({true, false, false, false, true}, {1, 2, 3, 4}, "D-BY");
    std::map<std::string, platform::StoredValue> values = whole.Values();
    values.erase(name);
    MemoryStore store;
    for (const auto& [key, value] : values) store.Set(key, value);
    EXPECT_FALSE(ReadSettings(store, {}, kScreen, kWindow).damaged) << name;
  }
  MemoryStore unknown = StoreWith({true, false, false, false, true}, {1, 2, 3, 4}, "X-YZ");
  const ReadResult read = ReadSettings(unknown, {}, kScreen, kWindow);
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.settings.land, "");
}

}  // namespace
}  // namespace app
