// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

std::string OverflowText() {
  return "\n\n\n          Datenüberlauf!\n\n"
         "              Die von Ihnen eingegebene Summe ist für den angegebenen\n"
         "              Zeitraum zu hoch bzw. der Zeitraum ist zu lang.\n";
}

TEST(CliZins, PrintsTheStatement) {
  const CliRun r = Cli({"zins", "1000", "10", "15.03.2019", "15.03.2020", "--waehrung", "dem",
                        "--faellig", "16.03.2020"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(
      r.out.starts_with("\n"
                        "                                      Kapital            1000,00 DEM\n"
                        "10 % Zinsen\n"
                        "actual/actual im Kalenderjahr\n"
                        "vom 15.03.2019 (excl.) bis 15.03.2020 (incl.)             100,22 DEM\n"
                        "                                              ----------------------\n"
                        "Fällig am 16.03.2020:                 Summe              1100,22 DEM\n"))
      << r.out;
  EXPECT_NE(r.out.find("zum Kurs von 1 EUR = 1,95583 DEM und dann addiert:\n"), std::string::npos);
  EXPECT_TRUE(
      r.out.ends_with("Fällig am 16.03.2020:                 Summe               562,53 EUR\n"
                      "                                              ======================\n"));
}

TEST(CliZins, OptionsReachTheComputation) {
  const struct {
    std::vector<std::string> args;
    const char* part;
  } kCases[] = {
      {{"zins", "1000", "10", "01.01.2019", "31.12.2019", "--faellig", "04.01.2020", "--land",
        "Bayern"},
       "aber kein Werktag ohne Samstag in Bayern,\ndeshalb ist das Fälligkeitsdatum der "
       "07.01.2020."},
      {{"zins", "1000", "10", "01.01.2019", "31.12.2019", "--faellig", "04.01.2020"},
       "Fällig am 06.01.2020:"},
      {{"zins", "1000", "10", "01.01.2019", "31.12.2019", "--faellig", "04.01.2020", "--valuta",
        "werktag"},
       "Fällig am 04.01.2020:"},
      {{"zins", "1000", "10", "01.01.2019", "01.01.2020", "--methode", "5"},
       "vom 01.01.2019 (excl.) bis 01.01.2020 (incl.)             100,28 SEK"},
      {{"zins", "1000", "10", "01.01.2019", "31.12.2019", "--start", "inkl", "--ende", "inkl",
        "--methode", "7"},
       "1 Zinsjahr mit\n"},
      {{"zins", "1.000,50", "2.5", "01.01.2019", "31.12.2019", "--dezimalen", "0"},
       "2,500 % Zinsen auf 1001 SEK"},
      {{"zins", "1000", "4,5", "01.01.2019", "02.01.2019", "--methode", "0", "--rundung", "mathe",
        "--zwischen", "2"},
       "   jeweils                 0,12 SEK  =               0,12 SEK\n"},
      {{"zins", "", "", "01.01.2019", "31.12.2019"}, "0,000 % Zinsen auf 0,00 SEK"},
      // The end date comes first: the dates are exchanged, due at the later one.
      {{"zins", "1000", "10", "31.12.2019", "01.01.2019", "--methode", "7"},
       "vom 01.01.2019 (excl.) bis 31.12.2019 (incl.)              99,73 SEK\n"},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 0) << c.args[1] << " " << r.err;
    EXPECT_NE(r.out.find(c.part), std::string::npos) << c.part << "\n" << r.out;
  }
}

TEST(CliZins, EarlyPayDate) {
  const CliRun replaced =
      Cli({"zins", "1000", "10", "01.01.2019", "31.12.2019", "--faellig", "15.06.2019"});
  ASSERT_EQ(replaced.code, 0);
  EXPECT_EQ(replaced.err,
            "Hinweis: Das Fälligkeitsdatum 15.06.2019 liegt vor dem Zinsende; es wird auf das "
            "Zinsende 31.12.2019 gesetzt (--vorzeitig lässt es stehen).\n");
  EXPECT_NE(replaced.out.find("Fällig am 31.12.2019:"), std::string::npos);
  const CliRun early = Cli(
      {"zins", "1000", "10", "01.01.2019", "31.12.2019", "--faellig", "15.06.2019", "--vorzeitig"});
  ASSERT_EQ(early.code, 0);
  EXPECT_EQ(early.err, "");
  EXPECT_NE(early.out.find("Fällig am 17.06.2019:"), std::string::npos);
  EXPECT_NE(early.out.find("Die Summe wäre am 15.06.2019 fällig; dieser Tag ist\n"),
            std::string::npos);
}

TEST(CliZins, Json) {
  const CliRun r = Cli({"zins", "1000", "10", "31.03.2019", "31.01.2019", "--methode", "0",
                        "--waehrung", "ITL", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["von"], "31.01.2019");
  EXPECT_EQ(json["bis"], "31.03.2019");
  EXPECT_EQ(json["getauscht"], true);
  EXPECT_EQ(json["ueberlauf"], false);
  EXPECT_EQ(json["faellig"], "31.03.2019");
  EXPECT_EQ(json["valuta"], "01.04.2019");
  EXPECT_EQ(json["zinstage"], 60);
  EXPECT_EQ(json["zinsen"], "16,67");
  EXPECT_EQ(json["summe"], "1016,67");
  EXPECT_EQ(json["zins_pro_tag"], "0,27778");
  EXPECT_EQ(json["markierung_von"], "= 30.");
  EXPECT_EQ(json["euro"]["kurs"], "1936,27");
  EXPECT_EQ(json["euro"]["kapital"], "0,52");
  EXPECT_EQ(json["euro"]["summe"], "0,53");
  EXPECT_EQ(json["zeitdifferenz"],
            "0 Zeitjahre, 59 Tage  oder  0 Kalenderjahre, 59 Tage  oder  0 Röm. Kalenderjahre, "
            "59 Tage");
  EXPECT_EQ(json["text"][4], "vom 31.01.2019 = 30.01.2019 (excl.)");
  EXPECT_EQ(json["hinweise"]["zins_pro_tag"], "Zins pro Tag\n\r(auf 5 Dezimalstellen gerundet)");

  const CliRun sek = Cli({"zins", "1000", "10", "01.01.2019", "31.12.2019", "--json"});
  EXPECT_TRUE(nlohmann::json::parse(sek.out)["euro"].is_null());
}

TEST(CliZins, OverflowExitsWithTwo) {
  const std::vector<std::string> kCases[] = {
      {"zins", "1.000.000.000", "300", "01.01.2019", "31.12.2021", "--start", "inkl"},
      {"zins", "2000000000", "100", "02.01.2019", "30.12.2020", "--methode", "7"},
      {"zins", "2.100.000.000", "3", "01.01.2019", "01.01.2020", "--methode", "7"},
      {"zins", "3.000.000.000", "3", "01.01.2019", "01.01.2020"},
  };
  for (const auto& args : kCases) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[1];
    EXPECT_EQ(r.out, OverflowText());
    EXPECT_EQ(r.err,
              "Fehler: Datenüberlauf: Die Summe ist für den angegebenen Zeitraum zu hoch bzw. der "
              "Zeitraum ist zu lang.\n");
  }
  const CliRun json =
      Cli({"zins", "3000000000", "3", "01.01.2019", "01.01.2020", "--waehrung", "DEM", "--json"});
  EXPECT_EQ(json.code, 2);
  const auto document = nlohmann::json::parse(json.out);
  EXPECT_EQ(document["ueberlauf"], true);
  EXPECT_EQ(document["summe"], "0");
  EXPECT_EQ(document["kapital"], "3000000000");
  EXPECT_EQ(document["euro"]["summe"], "0");
}

TEST(CliProzent, ResultsAndText) {
  const CliRun r = Cli({"prozent", "250", "12,5"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "100,000 % = 250,00\n12,500 % = 31,25\n87,500 % = 218,75\n");
  const CliRun text = Cli({"prozent", "250", "12.5", "--text"});
  ASSERT_EQ(text.code, 0) << text.err;
  EXPECT_EQ(text.out,
            "Rundung: kaufm.\n"
            "Anzahl der Dezimalstellen des Prozentsatzes = 3\n"
            "Anzahl der Dezimalstellen der Zwischenergebnisse = 5\n"
            "Anzahl der Dezimalstellen der Endergebnisse = 2\n"
            "----------------------------------------------------\n"
            "Zwischenergebnis:\n"
            "        100,000 % =       250,00000\n"
            "         12,500 % =        31,25000\n"
            "         87,500 % =       218,75000\n"
            "----------------------------------------------------\n"
            "Endergebnis:\n"
            "        100,000 % =          250,00\n"
            "         12,500 % =           31,25\n"
            "         87,500 % =          218,75\n");
  const CliRun zero = Cli({"prozent", "250", "12,5", "--prozent-dezimalen", "0", "--zwischen", "1",
                           "--dezimalen", "2", "--rundung", "mathe"});
  EXPECT_EQ(zero.out, "100 % = 250,0\n12 % = 31,2\n88 % = 218,8\n");
  const CliRun json = Cli({"prozent", "250", "12,5", "--json"});
  ASSERT_EQ(json.code, 0);
  const auto document = nlohmann::json::parse(json.out);
  EXPECT_EQ(document["endergebnis"]["anteil"], "31,25");
  EXPECT_EQ(document["zwischenergebnis"]["rest"], "218,75000");
  EXPECT_EQ(document["rundung"], "kaufm.");
}

TEST(CliEuro, ConvertsAtTheFixedRate) {
  EXPECT_EQ(Cli({"euro", "1000", "DEM"}).out, "511,29\n");
  EXPECT_EQ(Cli({"euro", "1000", "dem", "--dezimalen", "4"}).out, "511,2919\n");
  EXPECT_EQ(Cli({"euro", "1.000.000", "ITL"}).out, "516,46\n");
  const CliRun usd = Cli({"euro", "1000", "USD"});
  EXPECT_EQ(usd.code, 2);
  EXPECT_EQ(usd.out, "");
  EXPECT_EQ(usd.err,
            "Fehler: Für die Währung USD gibt es keinen festen Euro-Kurs (nur BEF, DEM, GRD, ESP, "
            "FRF, IEP, ITL, LUF, NLG, ATS, PTE, FIM).\n");
  EXPECT_EQ(Cli({"euro", "2000000000", "IEP"}).code, 2);
}

TEST(CliValuta, ValueDate) {
  EXPECT_EQ(Cli({"valuta", "04.01.2020"}).out, "06.01.2020\n");
  EXPECT_EQ(Cli({"valuta", "04.01.2020", "--land", "D-BY"}).out, "07.01.2020\n");
  EXPECT_EQ(Cli({"valuta", "04.01.2020", "--art", "werktag"}).out, "04.01.2020\n");
  EXPECT_EQ(Cli({"valuta", "05.01.2020", "--art", "jeder-tag"}).out, "05.01.2020\n");
}

TEST(CliInterest, InvalidInputNamesTheField) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {{"zins", "abc", "10", "01.01.2019", "31.12.2019"}, "KAPITAL \"abc\" ist kein Betrag"},
      {{"zins", "-5", "10", "01.01.2019", "31.12.2019"}, "KAPITAL \"-5\" darf nicht negativ"},
      {{"zins", "1.00.0", "10", "01.01.2019", "31.12.2019"}, "KAPITAL \"1.00.0\""},
      {{"zins", "1,0,0", "10", "01.01.2019", "31.12.2019"}, "KAPITAL \"1,0,0\""},
      {{"zins", "100", "1%", "01.01.2019", "31.12.2019"}, "ZINSSATZ \"1%\""},
      {{"zins", "100", "1", "31.02.2019", "31.12.2019"}, "VON: \"31.02.2019\""},
      {{"zins", "100", "1", "01.01.2019", "2019"}, "BIS: \"2019\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--faellig", "x"}, "--faellig: \"x\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--methode", "2"}, "--methode \"2\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--rundung", "IEEE"}, "--rundung \"IEEE\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--zwischen", "9"}, "--zwischen \"9\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--dezimalen", "6"}, "--dezimalen \"6\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--waehrung", "XYZ"},
       "Währung \"XYZ\" ist unbekannt"},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--valuta", "samstag"},
       "--valuta \"samstag\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--start", "ja"}, "--start \"ja\""},
      {{"zins", "100", "1", "01.01.2019", "31.12.2019", "--land", "Mars"}, "Land \"Mars\""},
      {{"prozent", "x", "1"}, "GRUNDWERT \"x\""},
      {{"prozent", "3000000000", "1"}, "Datenüberlauf"},
      {{"prozent", "1", "1", "--prozent-dezimalen", "9"}, "--prozent-dezimalen \"9\""},
      {{"euro", "1", "XYZ"}, "Währung \"XYZ\""},
      {{"euro", "1", "DEM", "--dezimalen", "x"}, "--dezimalen \"x\""},
      {{"valuta", "00.01.2020"}, "DATUM: \"00.01.2020\""},
      {{"valuta", "04.01.2020", "--art", "x"}, "--art \"x\""},
  };
  for (const auto& c : kCases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.err.starts_with("Fehler: ")) << r.err;
  }
}

}  // namespace
}  // namespace cli
