// SPDX-License-Identifier: MIT
// isin WKN: the ISIN of a German securities number with its check digit.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "engine/isin.h"

namespace cli {
namespace {

struct IsinOptions {
  std::string wkn;
  bool json = false;
};

void RunIsin(const IsinOptions& options, const Io& io) {
  const engine::IsinResult result = engine::IsinOfWkn(options.wkn);
  if (result.code == -1) {
    throw UsageError("\"" + options.wkn + "\": die Prüfziffer der ISIN ist falsch (richtig wäre " +
                     engine::IsinOfWkn(result.wkn).isin + ").");
  }
  if (result.code != 1) {
    throw UsageError("\"" + options.wkn + "\" ist keine WKN: gelesen wurde nur \"" + result.wkn +
                     "\", eine WKN hat sechs Buchstaben A-Z oder Ziffern.");
  }
  if (options.json) {
    PrintJson(io, {{"eingabe", options.wkn},
                   {"wkn", result.wkn},
                   {"isin", result.isin},
                   {"pruefziffer", result.checkDigit}});
    return;
  }
  io.out << result.isin << '\n';
}

}  // namespace

void SetupIsinCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<IsinOptions>();
  CLI::App* command =
      app.add_subcommand("isin", "ISIN mit Prüfziffer zu einer deutschen Wertpapierkennnummer");
  command->add_option("WKN", options->wkn, "WKN, z.B. 555750 (oder eine deutsche ISIN)")
      ->required();
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunIsin(*options, io); });
}

}  // namespace cli
