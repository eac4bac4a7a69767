// SPDX-License-Identifier: MIT
#include "interest/version_model.h"

#include "engine/civildate.h"
#include "engine/daynumber.h"
#include "engine/schoolholidays.h"
#include "engine/version.h"

namespace interest {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string VersionCaption(std::string_view version) {
  return "version: " + std::string(version);
}

std::string AboutText() {
  return "TQvVersion " + std::string(engine::kProgramVersion) +
         " - Versionsanzeige von Ra Zaduvovi, frei nutzbar unter der MIT-Lizenz; " +
         // The school holiday table is shipped under the ODbL, which asks
         // for its source wherever the program names itself.
         std::string(engine::kSchoolHolidaySource);
}

int CurrentYear() {
  return engine::CivilDateOf(engine::TodayJD(), engine::CalendarKind::Gregorian).year;
}

std::string VersionHint(std::string_view version, int year) {
  return "Ra Zaduvovi " + std::string(version) + "\n\r(c) " + std::to_string(year) +
         " Ra Zaduvovi\n\rKlick: Webseite des Programms öffnen";
}

bool HasScheme(std::string_view address) {
  const std::size_t colon = address.find("://");
  if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(address[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = address[i];
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
      return false;
    }
  }
  return true;
}

std::string WebAddress(std::string_view url) {
  const std::string_view trimmed = Trimmed(url);
  if (HasScheme(trimmed)) return std::string(trimmed);
  return "http://" + std::string(trimmed);
}

}  // namespace interest
