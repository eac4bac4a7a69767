// SPDX-License-Identifier: MIT
#include "print/printprogram.h"

#include <charconv>
#include <ostream>

#include "engine/region.h"
#include "engine/yearpage.h"
#include "print/yearpdf.h"

namespace print {

int RunPrintProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // The command line has checked every value; a person calling this program
  // by hand still gets a German answer instead of a page of nothing.
  const auto refuse = [&err](const std::string& message) {
    err << "Fehler: " << message << '\n';
    return 2;
  };
  if (args.size() != 4) {
    return refuse(
        "Aufruf: razaduvovi-print JAHR LAND G|J DATEI.pdf (oder razaduvovi-cli "
        "jahreskalender verwenden).");
  }
  const std::string& text = args[0];
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || year < 1 ||
      year > 3000) {
    return refuse("\"" + text + "\" ist kein Jahr zwischen 1 und 3000.");
  }
  const std::optional<engine::Region> region = engine::ResolveRegion(args[1]);
  if (!region) return refuse("\"" + args[1] + "\" ist keine bekannte Region.");
  const std::optional<engine::CalendarKind> kind = engine::CalendarKindOfCode(args[2]);
  if (!kind) return refuse("\"" + args[2] + "\" ist kein Kalender (G oder J).");
  const engine::YearPage page = engine::YearPageOf(year, *region, *kind);
  std::string message;
  if (!WriteYearPagePdf(page, args[3], message)) return refuse(message);
  out << page.title << ": " << args[3] << '\n';
  return 0;
}

}  // namespace print
