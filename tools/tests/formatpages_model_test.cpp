// SPDX-License-Identifier: MIT
#include "tools/formatpages_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/environment.h"

namespace {

std::vector<std::string> Texts(const std::array<tools::FormatGroup, 3>& groups) {
  std::vector<std::string> texts;
  for (const auto& group : groups) {
    for (const auto& field : group.fields) texts.push_back(field.text);
  }
  return texts;
}

class FormatPagesModel : public ::testing::Test {
 protected:
  void SetUp() override { engine::SetDecimalSeparator(','); }
};

// The numeric page has the 9 + 8 + 6 fields of its three groups, not 24.
TEST_F(FormatPagesModel, NumericPageHasTwentyThreeFieldsInThreeGroups) {
  const auto groups = tools::NumericGroups("08.12.2026");
  EXPECT_EQ(groups[0].fields.size(), 9u);
  EXPECT_EQ(groups[1].fields.size(), 8u);
  EXPECT_EQ(groups[2].fields.size(), 6u);
  const struct {
    const char* caption;
    const char* hint;
  } kLabels[] = {{"Tag Monat Jahr", "DDMMYYYY"},
                 {"Jahr Monat Tag", "YYYYMMDD"},
                 {"Monat Tag Jahr", "MMDDYYYY"}};
  std::set<std::string> names;
  for (std::size_t g = 0; g < 3; ++g) {
    EXPECT_EQ(groups[g].caption, kLabels[g].caption);
    EXPECT_EQ(groups[g].hint, kLabels[g].hint);
    for (const auto& field : groups[g].fields) {
      EXPECT_TRUE(field.name.starts_with("Fmt_"));
      EXPECT_TRUE(field.hint.ends_with("\n\rDblClick = in die Zwischenablage"));
      names.insert(field.name);
    }
  }
  EXPECT_EQ(names.size(), 23u);
}

TEST_F(FormatPagesModel, NumericValues) {
  const struct {
    const char* date;
    std::vector<std::string> texts;
  } kCases[] = {
      {"08.12.2026",
       {"08-12-2026", "08-12-26", "8-12-26",    "08/12/2026", "08/12/26", "8/12/26",
        "08.12.2026", "08.12.26", "8.12.26",    "2026-12-08", "26-12-08", "26-12-8",
        "2026/12/08", "26/12/08", "26/12/8",    "20261208",   "261208",   "12-08-2026",
        "12-08-26",   "12-8-26",  "12/08/2026", "12/08/26",   "12/8/26"}},
      {"01.03.2026",
       {"01-03-2026", "01-03-26", "1-3-26",     "01/03/2026", "01/03/26", "1/3/26",
        "01.03.2026", "01.03.26", "1.3.26",     "2026-03-01", "26-03-01", "26-3-1",
        "2026/03/01", "26/03/01", "26/3/1",     "20260301",   "260301",   "03-01-2026",
        "03-01-26",   "3-1-26",   "03/01/2026", "03/01/26",   "3/1/26"}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Texts(tools::NumericGroups(c.date)), c.texts) << c.date;
  }
}

TEST_F(FormatPagesModel, NumericCopyText) {
  const std::string text = tools::NumericCopyText(tools::NumericGroups("01.03.2026"));
  EXPECT_TRUE(text.starts_with("DDMMYYYY\r\nTag Monat Jahr\r\n--------------\r\n01-03-2026\r\n"));
  EXPECT_NE(text.find("1.3.26\r\n==============\r\nYYYYMMDD\r\nJahr Monat Tag\r\n--------------"
                      "\r\n2026-03-01\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("3/1/26\r\n==============\r\n"));
}

// A text that is no date leaves the fields empty instead of reading past it.
TEST_F(FormatPagesModel, ShortOrOddDateGivesEmptyFields) {
  for (const char* date : {"", "8.12.2026", "08.12", "xx.yy.zzzz"}) {
    for (const std::string& text : Texts(tools::NumericGroups(date))) EXPECT_EQ(text, "") << date;
    for (const std::string& text : Texts(tools::WrittenGroups(date))) EXPECT_EQ(text, "") << date;
  }
}

TEST_F(FormatPagesModel, WrittenValues) {
  const struct {
    const char* date;
    std::vector<std::string> texts;
  } kCases[] = {
      {"08.12.2026",
       {"8. Dezember 2026", "8. Dezember 26", "08 Dez 2026", "8. December 2026", "8. December 26",
        "08 Dec 2026", "8 décembre 2026", "8 décembre 26", "8 de diciembre de 2026",
        "8 de diciembre de 26", "December 08th, 2026", "December 8th, 26", "Dec 08 2026",
        "Dec. 08, 2026", "2026 December 08", "2026 Dec 08"}},
      {"01.03.2026",
       {"1. März 2026", "1. März 26", "01 Mrz 2026", "1. March 2026", "1. March 26", "01 Mar 2026",
        "1 mars 2026", "1 mars 26", "1 de marzo de 2026", "1 de marzo de 26", "March 01th, 2026",
        "March 1th, 26", "Mar 01 2026", "Mar. 01, 2026", "2026 March 01", "2026 Mar 01"}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Texts(tools::WrittenGroups(c.date)), c.texts) << c.date;
  }
  const auto groups = tools::WrittenGroups("08.12.2026");
  EXPECT_EQ(groups[0].caption, "DDMMYYYY");
  EXPECT_EQ(groups[0].hint, "Tag Monat Jahr");
  EXPECT_EQ(groups[1].hint, "Monat Tag Jahr");
  EXPECT_EQ(groups[2].hint, "Jahr Monat Tag");
  EXPECT_EQ(groups[0].fields[6].hint, "französisch\n\rDblClick = in die Zwischenablage");
  EXPECT_EQ(groups[1].fields[0].hint, "USA\n\rDblClick = in die Zwischenablage");
  EXPECT_EQ(groups[0].fields[0].name, "Fmt_german_long");
}

TEST_F(FormatPagesModel, WrittenCopyText) {
  const std::string text = tools::WrittenCopyText(tools::WrittenGroups("08.12.2026"));
  EXPECT_EQ(text,
            "Tag Monat Jahr\r\n--------------\r\n8. Dezember 2026\r\n8. Dezember 26\r\n08 Dez "
            "2026\r\n8. December 2026\r\n8. December 26\r\n08 Dec 2026\r\n8 décembre 2026\r\n8 "
            "décembre 26\r\n8 de diciembre de 2026\r\n8 de diciembre de 26\r\n==============\r\n"
            "Monat Tag Jahr\r\n--------------\r\nDecember 08th, 2026\r\nDecember 8th, 26\r\nDec "
            "08 2026\r\nDec. 08, 2026\r\n==============\r\nJahr Monat Tag\r\n--------------\r\n"
            "2026 December 08\r\n2026 Dec 08\r\n==============\r\n");
}

std::vector<std::string> TechTexts(int page, const char* date, const char* time,
                                   const char* offset) {
  std::vector<std::string> texts;
  for (const auto& row : tools::TechRows(page, date, time, offset)) {
    texts.push_back(row.used ? row.text : "-");
  }
  return texts;
}

TEST_F(FormatPagesModel, TechnicalValues) {
  const struct {
    int page;
    const char* date;
    const char* time;
    const char* offset;
    std::vector<std::string> texts;
  } kCases[] = {
      {1,
       "01.01.1970",
       "00:00:00",
       "+00:00",
       {"1970-01-01T00:00:00+00:00", "1970-01-01T00:00:00.000+00:00", "1970-01-01T00:00:00Z",
        "1970-01-01T00:00:00.000Z", "2440587,5", "2440587s43200", "2440587m43200000", "40587",
        "40587s0", "40587m0000", "19700101000000000p0000", "19700101000000000z"}},
      {2,
       "01.01.1970",
       "00:00:00",
       "+00:00",
       {"0", "-", "25569", "25569", "-", "-", "-", "-", "-", "-", "010000Zjan70", "010000Zjan70"}},
      {1,
       "08.12.2026",
       "12:30:00",
       "+01:00",
       {"2026-12-08T12:30:00+01:00", "2026-12-08T12:30:00.000+01:00", "2026-12-08T11:30:00Z",
        "2026-12-08T11:30:00.000Z", "2461382,97917", "2461382s84600", "2461382m84600000",
        "61382,47917", "61382s41400", "61382m41400000", "20261208123000000p0100",
        "20261208113000000z"}},
      {2,
       "08.12.2026",
       "12:30:00",
       "+01:00",
       {"1796729400", "-", "46364,52083", "46364,47917", "-", "-", "-", "-", "-", "-",
        "081230Adec26", "081130Zdec26"}},
      {3,
       "08.12.2026",
       "12:30:00",
       "+01:00",
       {"08.12.2026, 12:30:00.000, UTC+01:00", "08 Dez 2026 12:30:00.000 UTC+01:00",
        "08.12.2026, 11:30:00.000, UTC", "2026-12-08 12:30:00.000 UTC+01:00",
        "2026 Dec 08 12:30:00.000 UTC+01:00", "2026-12-08 11:30:00.000 UTC",
        "12-08-2026 12:30:00.000 UTC+01:00", "Dec 08 2026 12:30:00.000 UTC+01:00",
        "12-08-2026 11:30:00.000 UTC", "12:30:00.000 PM 12/08/2026 UTC+01:00",
        "12:30:00.000 PM Dec 08 2026 UTC+01:00", "11:30:00.000 AM 12/08/2026 UTC"}},
      // Before 30.12.1899 the serial dates show the epoch text as their value.
      {2,
       "01.01.1899",
       "00:00:00",
       "+01:00",
       {"-2240528400", "-", "<<<30.12.1899, 00:00 UTC", "<<<30.12.1899, 00:00 UTC", "-", "-", "-",
        "-", "-", "-", "010000Ajan99", "312300Zdec98"}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TechTexts(c.page, c.date, c.time, c.offset), c.texts)
        << c.page << " " << c.date << " " << c.time << " " << c.offset;
  }
}

// The technical pages need an offset: the start text "+" alone is none and
// leaves the values empty instead of computing with a wrong zone.
TEST_F(FormatPagesModel, TechnicalRowsWithoutOffsetStayEmpty) {
  for (const auto& row : tools::TechRows(1, "08.12.2026", "12:30:00", "+")) {
    if (row.caption.starts_with("Ts")) {
      EXPECT_TRUE(row.text.starts_with("ZoneDateTimeMTo")) << row.caption;
    } else {
      EXPECT_EQ(row.text, "") << row.caption;
    }
  }
  for (int page : {0, 4}) {
    for (const auto& row : tools::TechRows(page, "08.12.2026", "12:30:00", "+01:00")) {
      EXPECT_FALSE(row.used);
    }
  }
}

TEST_F(FormatPagesModel, TechnicalCaptionsHintsAndLinks) {
  const auto it1 = tools::TechRows(1, "08.12.2026", "12:30:00", "+01:00");
  EXPECT_EQ(it1[4].caption, "JD");
  EXPECT_EQ(it1[4].hint, "Julianisches Datum\r\n0 = 01.01.-4712, 12:00:00 UTC");
  EXPECT_EQ(it1[4].article, "https://de.wikipedia.org/wiki/Julianisches_Datum");
  EXPECT_EQ(it1[0].article, "https://www.w3.org/TR/xmlschema-2/#dateTime");
  EXPECT_EQ(it1[0].name, "Edt_IT1_1");
  const auto it2 = tools::TechRows(2, "08.12.2026", "12:30:00", "+01:00");
  int used = 0;
  for (const auto& row : it2) used += row.used ? 1 : 0;
  EXPECT_EQ(used, 5);
  EXPECT_EQ(it2[2].hint, "TDateTime Zonetime\r\n0 = 30.12.1899, 00:00:00  UTC");
  EXPECT_EQ(it2[10].article, "https://de.wikipedia.org/wiki/Datum/Zeit-Gruppe");
  const auto it3 = tools::TechRows(3, "08.12.2026", "12:30:00", "+01:00");
  for (const auto& row : it3) EXPECT_EQ(row.article, tools::kDateFormatByCountry);
}

TEST_F(FormatPagesModel, TechnicalCopyText) {
  const std::string text =
      tools::TechCopyText(tools::TechRows(2, "08.12.2026", "12:30:00", "+01:00"));
  EXPECT_EQ(text,
            "UNIX Zeit\r\n1796729400\r\n--------------\r\n"
            "TDateTime Zonetime\r\n46364,52083\r\n--------------\r\n"
            "TDateTime UTC\r\n46364,47917\r\n--------------\r\n"
            "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)\r\n081230Adec26\r\n"
            "--------------\r\n"
            "Date Time Group (Datumsangaben mit Uhrzeit in der NATO)\r\n081130Zdec26\r\n"
            "--------------\r\n");
}

TEST_F(FormatPagesModel, LegalOffsetOfTheDay) {
  const struct {
    const char* date;
    const char* region;
    const char* offset;
  } kCases[] = {
      {"08.12.2026", "D-NI", "+01:00"}, {"15.07.2024", "D-NI", "+02:00"},
      {"15.06.1947", "D-NI", "+03:00"}, {"15.06.1890", "D-NI", "+01:00"},
      {"xx", "D-NI", "+01:00"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(tools::LegalOffsetText(c.date, c.region), c.offset) << c.date;
  }
}

}  // namespace
