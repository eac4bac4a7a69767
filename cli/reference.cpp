// SPDX-License-Identifier: MIT
#include "cli/reference.h"

#include <array>
#include <set>
#include <sstream>
#include <vector>

#include "cli/cli.h"
#include "engine/interestdays.h"
#include "engine/region.h"
#include "engine/version.h"

namespace cli {
namespace {

constexpr std::string_view kProgramName = "razaduvovi-cli";

constexpr std::array<CommandExample, 26> kExamples = {{
    {"jd", "jd 03.10.2024", "die julianische Tageszahl des 03.10.2024: 2460587"},
    {"datum", "datum 2460587 --kalender J", "das julianische Datum der Tageszahl 2460587"},
    {"tag", "tag 03.10.2024 --land Bayern", "die ganze Beschreibung des Tages in Bayern"},
    {"pruefe", "pruefe datum 31.02.2003", "korrigiert zu 28.02.2003, Meldung auf stderr, Code 3"},
    {"feiertage", "feiertage 2026 --land D-BY --gesetzlich",
     "die gesetzlichen Feiertage Bayerns 2026"},
    {"monat", "monat 12.2026 --land A-W", "das Monatsblatt Dezember 2026 für Wien"},
    {"ostern", "ostern 2027", "der Ostersonntag 2027: 28.03.2027"},
    {"formate", "formate 08.12.2026 12:30 --offset +01:00", "alle Datumsformate des Zeitpunkts"},
    {"runden", "runden 2,345 2 --modus german", "2,35, kaufmännisch gerundet"},
    {"zinstage", "zinstage 31.01.2019 31.03.2019 --methode 6", "Zinsjahre und Zinstage 30/360"},
    {"zeit", "zeit 24.05.1945 --land D-BE", "die gesetzliche Zeit in Berlin: MEHSZ"},
    {"frist", "frist 31.01.2023 --land D-NI", "die Fristenden nach §§ 187-193 BGB"},
    {"werktag", "werktag 30.03.2024 --land D-NI", "02.04.2024, der Ostermontag übersprungen"},
    {"zeitraum", "zeitraum 15.03.2023 10.02.2025 --start exkl --ende inkl",
     "der Zeitraum in Zeit-, Kalender- und Röm. Kalenderjahren"},
    {"uhr", "uhr 15.01.2024 00:30 --json", "die Zonenzeiten, UTC 23:30:00 am 14.01.2024"},
    {"arbeitszeit", "arbeitszeit 22:00 06:00", "08:00:00 Stunden über Mitternacht"},
    {"isin", "isin 555750", "die ISIN DE0005557508"},
    {"zins", "zins 1.000,50 4,5 31.01.2019 31.03.2019 --methode 0 --land Bayern",
     "die Zinsen von 1.000,50 zu 4,5 % für zwei Monate"},
    {"prozent", "prozent 250 12,5 --text", "Anteil und Rest mit dem Text der Rechnung"},
    {"euro", "euro 1000 DEM", "511,29 EUR"},
    {"valuta", "valuta 04.01.2020 --land D-BY", "07.01.2020, nach Samstag und Dreikönig"},
    {"verschiebe", "verschiebe 31.01.2024 1 monat", "29.02.2024, wie das \">\" des Kalenders"},
    {"ical", "ical 2026 --land Niedersachsen --gesetzlich --kw",
     "die gesetzlichen Feiertage und \"KW nn\" als iCalendar-Datei auf stdout"},
    {"jahreskalender", "jahreskalender 2026 --land D-BY -o 2026.pdf",
     "der Jahreskalender 2026 für Bayern als PDF"},
    {"brueckentage", "brueckentage 2026 --land D-NW",
     "die Brückentage 2026 in Nordrhein-Westfalen"},
    {"ferien", "ferien 2026 --land D-BY", "die Schulferien Bayerns 2026"},
}};

constexpr std::array<ExitCode, 4> kExitCodes = {{
    {0, "Erfolg."},
    {1, "Interner Fehler (eine Meldung auf stderr)."},
    {2, "Ungültige Eingabe: eine deutsche Meldung auf stderr sagt, was falsch ist."},
    {3,
     "pruefe musste den Wert korrigieren: der korrigierte Wert auf stdout, jede Meldung "
     "als \"Titel: Text\" auf stderr."},
}};

// German labels for CLI11's help texts.
void GermanHelp(CLI::App& app) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("SUBCOMMAND", "BEFEHL");
  formatter->label("SUBCOMMANDS", "BEFEHLE");
  formatter->label("Positionals", "Argumente");
  formatter->label("REQUIRED", "(Pflicht)");
  formatter->label("TEXT", "TEXT");
  formatter->label("INT", "ZAHL");
  formatter->label("Needs", "Benötigt");
  formatter->label("Excludes", "Schließt aus");
  formatter->column_width(34);
  app.option_defaults()->group("Optionen");
  app.set_help_flag("-h,--help", "Diese Hilfe anzeigen");
}

const CommandExample* ExampleOf(std::string_view command) {
  for (const CommandExample& example : kExamples) {
    if (example.command == command) return &example;
  }
  return nullptr;
}

std::string ExitCodeText() {
  std::string text = "Rückgabewerte:";
  for (const ExitCode& code : kExitCodes) {
    text += "\n  " + std::to_string(code.code) + "  " + std::string(code.meaning);
  }
  return text;
}

// ---- roff ------------------------------------------------------------------

// Text for a roff line: backslashes and minus signs escaped, a leading dot
// or apostrophe kept from being read as a request.
std::string Roff(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

// A paragraph that may hold several lines; each line starts safely.
void RoffLines(std::ostream& out, std::string_view text) {
  bool first = true;
  while (true) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    if (!first) out << ".br\n";
    out << (line.starts_with('.') || line.starts_with('\'') ? "\\&" : "") << Roff(line) << '\n';
    first = false;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::vector<const CLI::Option*> OptionsOf(const CLI::App& command, bool positional) {
  std::vector<const CLI::Option*> options;
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_positional() == positional) options.push_back(option);
  }
  return options;
}

bool IsFlag(const CLI::Option* option) {
  return option->get_expected_max() == 0;
}

// {"-l", "--land"}: the names an option is called by, short ones first.
std::vector<std::string> DashedNames(const CLI::Option* option) {
  std::vector<std::string> names;
  for (const std::string& name : option->get_snames()) names.push_back("-" + name);
  for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
  return names;
}

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += separator;
    text += word;
  }
  return text;
}

// "[OPTIONEN] DATUM [ZEIT]"
std::string UsageOf(const CLI::App& command) {
  std::string usage = "[OPTIONEN]";
  for (const CLI::Option* option : OptionsOf(command, true)) {
    const std::string name = option->get_name(true);
    usage += option->get_required() ? " " + name : " [" + name + "]";
  }
  return usage;
}

// ".BR \-l , \-\-land" with the value's name in italics.
void RoffOptionHead(std::ostream& out, const CLI::Option* option) {
  out << ".TP\n\\fB" << Roff(Joined(DashedNames(option), ", ")) << "\\fR";
  if (!IsFlag(option)) out << " \\fI" << Roff(option->get_type_name()) << "\\fR";
  out << '\n';
}

void RoffOptions(std::ostream& out, const CLI::App& command) {
  for (const CLI::Option* option : OptionsOf(command, true)) {
    out << ".TP\n\\fI" << Roff(option->get_name(true)) << "\\fR\n";
    RoffLines(out, option->get_description());
  }
  for (const CLI::Option* option : OptionsOf(command, false)) {
    RoffOptionHead(out, option);
    RoffLines(out, option->get_description());
  }
}

// ---- bash ------------------------------------------------------------------

// The values an option takes, as completion words; empty for free values.
std::vector<std::string> ValuesOf(const CLI::Option* option) {
  const std::string type = option->get_type_name();
  std::vector<std::string> values;
  if (option->check_lname("land")) {
    std::set<std::string> seen;
    for (const engine::RegionRow& row : engine::RegionTable().first(engine::kFilledRegionRows)) {
      if (seen.insert(std::string(row.code)).second) values.emplace_back(row.code);
    }
    for (const engine::RegionRow& row : engine::RegionTable().first(engine::kFilledRegionRows)) {
      if (seen.insert(std::string(row.name)).second) values.emplace_back(row.name);
    }
    values.emplace_back("HR");
    values.emplace_back("DK");
  } else if (option->check_lname("methode")) {
    for (const engine::InterestMethod& method : engine::kInterestMethods) {
      values.push_back(std::to_string(method.number));
    }
  } else if (type == "ART") {
    values = {"werktag-ohne-samstag", "werktag", "jeder-tag"};
  } else if (type == "1..5") {
    values = {"1", "2", "3", "4", "5"};
  } else if (type.find('|') != std::string::npos && type.find('(') == std::string::npos) {
    std::istringstream words(type);
    for (std::string word; std::getline(words, word, '|');) values.push_back(word);
  }
  return values;
}

// A word in single quotes for the script.
std::string Quoted(std::string_view word) {
  std::string out = "'";
  for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

std::span<const CommandExample> Examples() {
  return kExamples;
}

std::span<const ExitCode> ExitCodes() {
  return kExitCodes;
}

void SetupCli(CLI::App& app, const Io& io) {
  app.name(std::string(kProgramName));
  app.description(
      "Ra Zaduvovi: Kalender von 01.01.0001 bis 31.12.3000 (julianisch und gregorianisch).\n"
      "Datumsangaben als TT.MM.JJJJ; ungültige Eingaben enden mit Code 2, korrigierte Werte "
      "(pruefe) mit Code 3.");
  GermanHelp(app);
  app.set_version_flag("--version", "razaduvovi-cli " + std::string(engine::kProgramVersion),
                       "Version anzeigen");
  app.require_subcommand(1);
  SetupDayNumberCommands(app, io);
  SetupDayCommands(app, io);
  SetupCheckCommands(app, io);
  SetupHolidayCommands(app, io);
  SetupMonthCommands(app, io);
  SetupEasterCommands(app, io);
  SetupFormatCommands(app, io);
  SetupNumberCommands(app, io);
  SetupTimeCommands(app, io);
  SetupDeadlineCommands(app, io);
  SetupPeriodCommands(app, io);
  SetupClockCommands(app, io);
  SetupIsinCommands(app, io);
  SetupInterestCommands(app, io);
  SetupShiftCommands(app, io);
  SetupIcalCommands(app, io);
  SetupYearCalendarCommands(app, io);
  SetupBridgeCommands(app, io);
  SetupSchoolHolidayCommands(app, io);
  for (CLI::App* command : app.get_subcommands({})) {
    command->group("Befehle");
    GermanHelp(*command);
    if (const CommandExample* example = ExampleOf(command->get_name())) {
      command->footer("Beispiel: " + std::string(kProgramName) + " " + std::string(example->call) +
                      "\n  " + std::string(example->what));
    }
  }
  app.footer(ExitCodeText());
}

std::string ManPageOfCli(const CLI::App& app) {
  std::ostringstream out;
  const std::string description = app.get_description();
  out << ".\\\" Written from the command line's own help when the program was built.\n"
      << ".TH RAZADUVOVI\\-CLI 1 \"\" \"razaduvovi " << engine::kProgramVersion
      << "\" \"Ra Zaduvovi\"\n"
      << ".nh\n.ad l\n"
      << ".SH NAME\n"
      << "razaduvovi\\-cli \\- Kalender 01.01.0001 bis 31.12.3000 für Skripte und Terminals\n"
      << ".SH ÜBERSICHT\n"
      << ".B razaduvovi\\-cli\n"
      << "[\\fIOPTIONEN\\fR] \\fIBEFEHL\\fR [\\fIARGUMENTE\\fR]\n"
      << ".SH BESCHREIBUNG\n";
  RoffLines(out, description);
  out << ".PP\n"
      << "Ohne \\fB\\-\\-land\\fR gilt Niedersachsen (D\\-NI). \\fILAND\\fR ist ein Code (D\\-BY, "
         "A\\-W), ein Name (Bayern) oder ein kroatischer oder dänischer Code (HR, DK). "
         "\"Jetzt\" und \"heute\" sind die gesetzliche Zeit des Landes, gelesen aus der "
         "Systemuhr als UTC, gleich unter jeder Zeitzone des Rechners.\n"
      << ".SH OPTIONEN\n";
  RoffOptions(out, app);
  out << ".SH BEFEHLE\n";
  for (const CLI::App* command : app.get_subcommands({})) {
    out << ".SS \"" << Roff(command->get_name()) << "\"\n"
        << "\\fBrazaduvovi\\-cli " << Roff(command->get_name()) << "\\fR "
        << Roff(UsageOf(*command)) << "\n.PP\n";
    RoffLines(out, command->get_description());
    RoffOptions(out, *command);
    if (const CommandExample* example = ExampleOf(command->get_name())) {
      out << ".PP\nBeispiel:\n.RS\n.nf\n"
          << Roff(std::string(kProgramName) + " " + std::string(example->call)) << "\n.fi\n";
      RoffLines(out, example->what);
      out << ".RE\n";
    }
  }
  out << ".SH RÜCKGABEWERT\n";
  for (const ExitCode& code : kExitCodes) {
    out << ".TP\n.B " << code.code << '\n';
    RoffLines(out, code.meaning);
  }
  out << ".SH SIEHE AUCH\n.BR razaduvovi (1)\n";
  return out.str();
}

std::string ManPageOfProgram() {
  std::ostringstream out;
  out << ".\\\" Written when the program was built.\n"
      << ".TH RAZADUVOVI 1 \"\" \"razaduvovi " << engine::kProgramVersion << "\" \"Ra Zaduvovi\"\n"
      << ".nh\n.ad l\n"
      << ".SH NAME\n"
      << "razaduvovi \\- Kalender mit Feiertagen, Fristen und Zinsrechner\n"
      << ".SH ÜBERSICHT\n"
      << ".B razaduvovi\n"
      << ".SH BESCHREIBUNG\n"
      << "Ein kleines Fenster zeigt das heutige Datum. \\fBKalenderblatt\\fR öffnet den Kalender "
         "für jeden Tag vom 01.01.0001 bis 31.12.3000, julianisch oder gregorianisch: Datum, Tag "
         "des Jahres, Woche, julianische Tageszahl und Uhrzeit, das Monatsblatt mit Wochen, "
         "Feiertagen, Schulferien und Brückentagen, und Werkzeuge für Fristen nach dem BGB, "
         "Zonenzeiten, Arbeitszeit, Zeiträume, Datumsformate und ISIN.\n"
      << ".PP\n"
      << "Jeder Tag wird ganz beschrieben: Wochentag, Woche, julianische Tageszahl, Mond, Sonne "
         "in der Hauptstadt des Landes, die gesetzliche Zeit der Geschichte und die Feiertage "
         "der deutschen und österreichischen Länder mit ihrer Geltung.\n"
      << ".PP\n"
      << "Der Zinsrechner kennt elf Zinsmethoden, drei Rundungen, Valutatage und die früheren "
         "Euro\\-Währungen.\n"
      << ".PP\n"
      << "Das Programm läuft einmal je Benutzer: ein zweiter Start holt das offene Fenster nach "
         "vorn. \"Symbol im Infobereich\" zeigt die Kalenderwoche im Infobereich.\n"
      << ".PP\n"
      << "Das Programm nimmt keine Optionen; dieselben Rechnungen gibt es für Skripte mit "
         "\\fBrazaduvovi\\-cli\\fR(1).\n"
      << ".SH DATEIEN\n"
      << ".TP\n.I ~/.config/RaZaduvovi.conf\n"
      << "Die Einstellungen. \\fBEinstellungen\\fR, kein Haken, \\fBSpeichern\\fR entfernt "
         "die Datei.\n"
      << ".SH SIEHE AUCH\n.BR razaduvovi\\-cli (1)\n";
  return out.str();
}

std::string BashCompletion(const CLI::App& app) {
  std::ostringstream out;
  std::vector<std::string> commands;
  for (const CLI::App* command : app.get_subcommands({})) commands.push_back(command->get_name());
  out << "# bash completion for razaduvovi-cli, written from its own help when it was built.\n"
      << "_razaduvovi_cli_words() {\n"
      << "  local IFS=$'\\n' word\n"
      << "  COMPREPLY=()\n"
      << "  while IFS= read -r word; do\n"
      << "    [[ $word == \"$cur\"* ]] && COMPREPLY+=(\"$(printf '%q' \"$word\")\")\n"
      << "  done <<< \"$1\"\n"
      << "}\n\n"
      << "_razaduvovi_cli() {\n"
      << "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
      << "  local command= i\n"
      << "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
      << "    case ${COMP_WORDS[i]} in\n"
      << "      " << Joined(commands, "|") << ")\n"
      << "        command=${COMP_WORDS[i]}\n"
      << "        break\n"
      << "        ;;\n"
      << "    esac\n"
      << "  done\n"
      << "  case \"$command $prev\" in\n";
  for (const CLI::App* command : app.get_subcommands({})) {
    for (const CLI::Option* option : OptionsOf(*command, false)) {
      if (IsFlag(option)) continue;
      std::vector<std::string> patterns;
      for (const std::string& name : DashedNames(option)) {
        patterns.push_back(Quoted(command->get_name() + " " + name));
      }
      const std::vector<std::string> values = ValuesOf(option);
      const std::string type = option->get_type_name();
      out << "    " << Joined(patterns, "|") << ")\n";
      if (!values.empty()) {
        out << "      _razaduvovi_cli_words " << Quoted(Joined(values, "\n")) << "\n";
      } else if (type.starts_with("DATEI")) {
        out << "      COMPREPLY=($(compgen -f -- \"$cur\"))\n";
      } else {
        out << "      COMPREPLY=()\n";
      }
      out << "      return\n      ;;\n";
    }
  }
  out << "  esac\n"
      << "  case $command in\n"
      << "    '')\n"
      << "      COMPREPLY=($(compgen -W '" << Joined(commands, " ")
      << " --help --version' -- \"$cur\"))\n"
      << "      ;;\n";
  for (const CLI::App* command : app.get_subcommands({})) {
    std::string options;
    for (const CLI::Option* option : OptionsOf(*command, false)) {
      const std::vector<std::string> names = DashedNames(option);
      options += (options.empty() ? "" : " ") + Joined(names, " ");
    }
    out << "    " << command->get_name() << ")\n"
        << "      [[ $cur == -* ]] && COMPREPLY=($(compgen -W '" << options << "' -- \"$cur\"))\n"
        << "      ;;\n";
  }
  out << "  esac\n"
      << "}\n\n"
      << "complete -o default -F _razaduvovi_cli razaduvovi-cli\n";
  return out.str();
}

}  // namespace cli
