// SPDX-License-Identifier: MIT
// pruefe datum|tag|woche|jd WERT: the checks of the date edit on the command
// line. The corrected value goes to stdout, each correction message as
// "Titel: Text" to stderr; the exit code is 0 when the value stood as given
// and 3 when it was corrected.
#include <memory>
#include <ostream>

#include "cli/common.h"
#include "dateentry/viewcheck.h"
#include "engine/daynumber.h"

namespace cli {
namespace {

struct CheckOptions {
  std::string view;
  std::string value;
  CalendarOption calendar;
  bool json = false;
};

struct ViewName {
  std::string_view name;
  dateentry::CheckView view;
  std::string_view form;
};

constexpr ViewName kViews[] = {
    {"datum", dateentry::CheckView::Date, "TT.MM.JJJJ"},
    {"tag", dateentry::CheckView::DayOfYear, "TTT.JJJJ"},
    {"woche", dateentry::CheckView::Week, "WW.JJJJ"},
    {"jd", dateentry::CheckView::JD, "eine Zahl mit höchstens sieben Ziffern"},
};

void RunCheck(const CheckOptions& options, const Io& io) {
  const ViewName* view = nullptr;
  for (const ViewName& v : kViews) {
    if (v.name == options.view) view = &v;
  }
  if (view == nullptr) {
    throw UsageError("„" + options.view + "“ ist keine Ansicht (datum, tag, woche oder jd).");
  }
  const engine::CalendarKind kind = options.calendar.Kind();
  const auto fields = dateentry::ViewFields(view->view, options.value);
  if (!fields) {
    throw UsageError("„" + options.value + "“ ist kein Wert der Ansicht " +
                     std::string(view->name) + " (" + std::string(view->form) + ").");
  }
  const dateentry::EditCheck check = dateentry::CheckViewFields(view->view, *fields, kind);
  const std::string value = dateentry::ViewText(view->view, check.fields);
  for (int number : check.messages) {
    const dateentry::EditMessage& message = dateentry::MessageOf(number);
    io.err << message.title << ": " << message.text << '\n';
  }
  if (options.json) {
    nlohmann::ordered_json messages = nlohmann::ordered_json::array();
    for (int number : check.messages) {
      const dateentry::EditMessage& message = dateentry::MessageOf(number);
      messages.push_back({{"nummer", number},
                          {"titel", std::string(message.title)},
                          {"text", std::string(message.text)}});
    }
    PrintJson(io, {{"ansicht", options.view},
                   {"eingabe", options.value},
                   {"wert", value},
                   {"datum", engine::FormatDateText(check.date)},
                   {"jd", check.dayNumber},
                   {"kalender", std::string(engine::CalendarCode(kind))},
                   {"angenommen", check.accepted},
                   {"meldungen", messages}});
  } else {
    io.out << value << '\n';
  }
  if (!check.accepted && io.status != nullptr) *io.status = kCorrectedExitCode;
}

}  // namespace

void SetupCheckCommands(CLI::App& app, const Io& io) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* command = app.add_subcommand(
      "pruefe",
      "Prüfung wie im Datumsfeld: Datum, Tag des Jahres, Woche oder JD (Code 3: korrigiert)");
  command->add_option("ANSICHT", options->view, "datum, tag, woche oder jd")->required();
  command->add_option("WERT", options->value, "TT.MM.JJJJ, TTT.JJJJ, WW.JJJJ oder JD")->required();
  AddCalendarOption(*command, options->calendar);
  AddJsonFlag(*command, options->json);
  command->callback([options, io] { RunCheck(*options, io); });
}

}  // namespace cli
