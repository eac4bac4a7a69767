// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace platform {
namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(directory.isValid()); }
  QString File() const { return directory.filePath("RaZaduvovi.conf"); }
  void WriteFile(const QByteArray& content) const {
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  QTemporaryDir directory;
};

TEST_F(SettingsStoreTest, ValuesComeBackWithTheirTypes) {
  SettingsStore store(File());
  EXPECT_FALSE(store.Exists());
  ASSERT_TRUE(store.Replace({{"", std::string("/usr/bin/razaduvovi")},
                             {"smal", 1},
                             {"x_B", -5},
                             {"Land", std::string("A-NÖ")}}));
  SettingsStore again(File());
  EXPECT_TRUE(again.Exists());
  EXPECT_EQ(again.ReadText(""), "/usr/bin/razaduvovi");
  EXPECT_EQ(again.ReadInt("smal"), 1);
  EXPECT_EQ(again.ReadInt("x_B"), -5);
  EXPECT_EQ(again.ReadText("Land"), "A-NÖ");
  EXPECT_EQ(again.ReadInt("Front"), std::nullopt);
}

TEST_F(SettingsStoreTest, HandEditedValuesAreReadByTheirText) {
  WriteFile("[General]\nsmal=2\nx_B=abc\ny_B= 17\nLand=D-BY\nFront=\n");
  const SettingsStore store(File());
  const struct {
    const char* name;
    std::optional<std::int32_t> value;
  } kCases[] = {
      {"smal", 2},
      {"x_B", std::nullopt},
      {"y_B", 17},
      {"Front", std::nullopt},
      {"Land", std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(store.ReadInt(c.name), c.value) << c.name;
}

// Replacing the content drops every value not written again ("Land" above all).
TEST_F(SettingsStoreTest, ReplaceLeavesOnlyTheNewEntries) {
  SettingsStore store(File());
  ASSERT_TRUE(store.Replace({{"LandSave", 1}, {"Land", std::string("D-BY")}}));
  ASSERT_TRUE(store.Replace({{"LandSave", 0}}));
  EXPECT_EQ(store.ReadText("Land"), std::nullopt);
  EXPECT_EQ(store.ReadInt("LandSave"), 0);
}

TEST_F(SettingsStoreTest, RemoveDeletesTheFile) {
  SettingsStore store(File());
  ASSERT_TRUE(store.Replace({{"smal", 1}}));
  ASSERT_TRUE(QFile::exists(File()));
  EXPECT_TRUE(store.Remove());
  EXPECT_FALSE(QFile::exists(File()));
  EXPECT_FALSE(store.Exists());
  EXPECT_TRUE(store.Remove());  // nothing left to remove is no failure
}

// A damaged store is no store: it reads as absent and is replaced whole.
TEST_F(SettingsStoreTest, ACorruptFileCountsAsAbsent) {
  for (const QByteArray& content :
       {QByteArray("\xff\xfe\x00\x01[[[\n=\n", 9), QByteArray(""), QByteArray("[General\nsmal")}) {
    WriteFile(content);
    SettingsStore store(File());
    EXPECT_EQ(store.ReadInt("smal").value_or(0), 0);
    ASSERT_TRUE(store.Replace({{"smal", 1}})) << content.toHex().constData();
    EXPECT_EQ(SettingsStore(File()).ReadInt("smal"), 1);
  }
}

TEST_F(SettingsStoreTest, AnUnwritablePlaceIsReportedNotHidden) {
  WriteFile("x");
  SettingsStore store(directory.filePath("RaZaduvovi.conf/below.conf"));
  EXPECT_FALSE(store.Replace({{"smal", 1}}));
  EXPECT_FALSE(store.Exists());
}

// The write goes through a temporary file: no stray files are left beside it.
TEST_F(SettingsStoreTest, AWriteLeavesOnlyTheStore) {
  SettingsStore store(File());
  ASSERT_TRUE(store.Replace({{"smal", 1}, {"x_B", 10}}));
  ASSERT_TRUE(store.Replace({{"smal", 0}, {"x_B", 11}}));
  const QStringList files = QDir(directory.path()).entryList(QDir::Files | QDir::Hidden);
  EXPECT_EQ(files, QStringList{"RaZaduvovi.conf"});
}

// A file that QSettings cannot parse holds nothing but is there: the window
// must know that, or it writes its defaults over it.
TEST_F(SettingsStoreTest, AFileThatDoesNotParseIsUnreadableNotAbsent) {
  const struct {
    QByteArray content;
    bool unreadable;
  } kCases[] = {
      {QByteArray("\xff\xfe\x00\x01[[[\n=\n", 9), true},
      {QByteArray("[General\nsmal"), true},
      {QByteArray("\xef\xbb\xbf[General]\nsmal=1\n"), true},  // QSettings takes no byte-order mark
      {QByteArray(""), false},                                // an empty file is no key at all
      {QByteArray("[General]\nsmal=ja\n"), false},            // parses: only a value is off
  };
  for (const auto& c : kCases) {
    WriteFile(c.content);
    // QSettings reports a parse error only once per file and process; the
    // store says it each time it is asked, through any store on the file.
    for (int time = 0; time < 3; ++time) {
      const SettingsStore store(File());
      EXPECT_EQ(store.Unreadable(), c.unreadable) << c.content.toHex().constData() << time;
      if (c.unreadable) {
        EXPECT_FALSE(store.Exists());
        EXPECT_FALSE(store.Holds("smal"));
        EXPECT_EQ(store.ReadInt("smal"), std::nullopt);
      }
    }
  }
  EXPECT_FALSE(SettingsStore(directory.filePath("none.conf")).Unreadable());
}

TEST_F(SettingsStoreTest, HoldsSeesAValueOfAnyType) {
  WriteFile("[General]\nsmal=ja\nFront=1, 2\nx_B=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n");
  const SettingsStore store(File());
  for (const char* name : {"smal", "Front", "x_B"}) {
    EXPECT_TRUE(store.Holds(name)) << name;
    EXPECT_EQ(store.ReadInt(name), std::nullopt) << name;
  }
  EXPECT_FALSE(store.Holds("Tray"));
  EXPECT_EQ(store.ReadText("Front"), std::nullopt);  // a list is no text
}

// A save over a damaged file that came out as long as it, within the same
// instant, was still taken for the damaged file.
TEST_F(SettingsStoreTest, ASaveOverADamagedFileIsReadAsSaved) {
  const QByteArray damaged("[General\nsmal=1\nx");
  const QByteArray saved("[General]\nsmal=1\n");
  ASSERT_EQ(damaged.size(), saved.size());
  WriteFile(damaged);
  const QDateTime modified = QFileInfo(File()).lastModified();
  SettingsStore store(File());
  ASSERT_TRUE(store.Unreadable());
  ASSERT_TRUE(store.Replace({{"smal", 1}}));
  {
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.readAll(), saved);
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
  }
  const SettingsStore again(File());
  EXPECT_FALSE(again.Unreadable());
  EXPECT_EQ(again.ReadInt("smal"), 1);
}

}  // namespace
}  // namespace platform
