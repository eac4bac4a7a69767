// SPDX-License-Identifier: MIT
#include "controls/dateedt_model.h"

#include "engine/daynumber.h"
#include "engine/region.h"
#include "engine/week.h"

namespace controls {

namespace {

using engine::CalendarKind;

}  // namespace

std::string AcceptedLand(std::string_view code) {
  if (!code.empty() && !engine::RegionNameOfCode(code).empty()) return std::string(code);
  return "D-NI";
}

DayFont DayFontOf(int weekday, bool legalHoliday) {
  if (legalHoliday) return DayFont::LegalHoliday;
  if (weekday == 7) return DayFont::Sunday;
  if (weekday == 6) return DayFont::Saturday;
  return DayFont::WindowText;
}

DayBackground DayBackgroundOf(int dayNumber, CalendarKind kind) {
  if (kind == CalendarKind::Julian) return DayBackground::Julian;
  if (dayNumber < engine::kGregorianSwitchDay) return DayBackground::PreGregorian;
  return DayBackground::Window;
}

std::string ViewSwitchHint(std::string_view modus, bool listUnfolded) {
  std::string hint = "Umschaltung auf ";
  if (modus == "A") return hint + "Wochen des Jahres";
  if (modus == "W") return hint + "Julianisches Datum";
  if (modus == "J") return hint + "Datum";
  return hint + (listUnfolded ? "Tage des Jahres" : "Bundesländer und Feiertage");
}

std::string CalendarSwitchHint(CalendarKind kind) {
  return kind == CalendarKind::Julian ? "Umschaltung auf Gregorianischen Kalender"
                                      : "Umschaltung auf Julianischen Kalender";
}

std::string TwelveHourText(int hour, int minute, int second, bool withSeconds) {
  const int twelve = hour % 12 == 0 ? 12 : hour % 12;
  std::string text = std::to_string(twelve) + ":" + ZeroPadded(DateMode::T, 1, minute);
  if (withSeconds) text += ":" + ZeroPadded(DateMode::T, 2, second);
  return text + (hour % 24 < 12 ? " AM" : " PM");
}

}  // namespace controls
