// SPDX-License-Identifier: MIT
// What the commands of the command line share: the I/O streams, the error for
// invalid input, the common options and the JSON output.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/daynumber.h"
#include "engine/region.h"

namespace cli {

struct Io {
  std::ostream& out;
  std::ostream& err;
  bool colour = false;    // out is a terminal that shows colours
  int* status = nullptr;  // the exit code of a command that ends without error
};

// The exit code of a check whose value had to be corrected.
inline constexpr int kCorrectedExitCode = 3;

// UsageError: invalid input; RunCli prints "Fehler: " and the message and
// exits with 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The option --kalender G|J; Gregorian unless given.
struct CalendarOption {
  std::string code = "G";
  engine::CalendarKind Kind() const;  // throws UsageError
};
void AddCalendarOption(CLI::App& command, CalendarOption& option);

// The option --land CODE: whatever engine::ResolveRegion accepts, a code of
// the region table ("D-BY"), a region name in any case ("bayern"), or a
// Croatian or Danish code ("HR", "dk-84"); "D-NI" unless given.
struct RegionOption {
  std::string value = "D-NI";
  engine::Region Resolve() const;  // throws UsageError
  std::string Code() const;        // Resolve().code; throws UsageError
};
void AddRegionOption(CLI::App& command, RegionOption& option);

// The flag --json.
void AddJsonFlag(CLI::App& command, bool& json);

// PrintJson: one JSON document in UTF-8, indented, with a final newline.
// Keys keep the order in which they are given.
void PrintJson(const Io& io, const nlohmann::ordered_json& document);

// AppendJsonString: text as a JSON string, quotes included, for the rows
// that long outputs write one by one. The text must be UTF-8, as every
// engine text is; quotes, backslashes and control characters are escaped.
void AppendJsonString(std::string& out, std::string_view text);

// CheckedDayNumber: the day number of a date text in the supported range, or
// a UsageError that names what is wrong with the date.
int CheckedDayNumber(const std::string& date, engine::CalendarKind kind);

// The years of "JAHR" or "VON-BIS".
struct YearRange {
  int first = 0;
  int last = 0;
};

// ParseYears: one year or a range of years, each in 1..3000 and not reversed,
// or a UsageError that names what is wrong.
YearRange ParseYears(const std::string& text);  // "2026-2027" -> {2026, 2027}

// CountedFlag: "inkl" true, "exkl" false, anything else a UsageError that
// names the option.
bool CountedFlag(const std::string& flag, const char* option);

// CheckedTime: the seconds since midnight of a time hh:mm or hh:mm:ss
// (00:00 to 24:00), or a UsageError naming the text and what it is.
int CheckedTime(const std::string& time, std::string_view what);

// Each command adds itself to the program; its callback writes to io.
void SetupDayNumberCommands(CLI::App& app, const Io& io);
void SetupDayCommands(CLI::App& app, const Io& io);
void SetupCheckCommands(CLI::App& app, const Io& io);
void SetupHolidayCommands(CLI::App& app, const Io& io);
void SetupMonthCommands(CLI::App& app, const Io& io);
void SetupEasterCommands(CLI::App& app, const Io& io);
void SetupFormatCommands(CLI::App& app, const Io& io);
void SetupNumberCommands(CLI::App& app, const Io& io);
void SetupTimeCommands(CLI::App& app, const Io& io);
void SetupDeadlineCommands(CLI::App& app, const Io& io);
void SetupPeriodCommands(CLI::App& app, const Io& io);
void SetupClockCommands(CLI::App& app, const Io& io);
void SetupIsinCommands(CLI::App& app, const Io& io);
void SetupInterestCommands(CLI::App& app, const Io& io);
void SetupShiftCommands(CLI::App& app, const Io& io);
void SetupIcalCommands(CLI::App& app, const Io& io);
void SetupYearCalendarCommands(CLI::App& app, const Io& io);
void SetupBridgeCommands(CLI::App& app, const Io& io);
void SetupSchoolHolidayCommands(CLI::App& app, const Io& io);

}  // namespace cli
