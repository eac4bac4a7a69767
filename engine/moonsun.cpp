// SPDX-License-Identifier: MIT
#include "engine/moonsun.h"

#include <cmath>
#include <string_view>

#include "engine/daynumber.h"

namespace engine {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSynodicMonth = 29.5305902779;
// The moon's progress counts whole cycles from full moon to full moon, so
// that new moon falls at the half.
constexpr double kMoonEpoch = 1721048 + 18.88417;

double Frac(double x) {
  return x - std::floor(x);
}

// The sun's altitude at an event in radians, NaN for an unknown event.
double EventAltitude(SunEvent event) {
  switch (event) {
    case SunEvent::Horizon:
      return -0.0145;
    case SunEvent::Civil:
      return DegToRad(-6);
    case SunEvent::Nautical:
      return DegToRad(-12);
    case SunEvent::Astronomical:
      return DegToRad(-18);
  }
  return std::nan("");
}

// Day of the Gregorian year: the sun's formulas follow the seasons, which
// the Gregorian calendar keeps in place.
int SunDayOfYear(int jd) {
  return JDToYearDay(jd, CalendarKind::Gregorian).dayOfYear;
}

// The cosine of the hour angle at which the sun passes the event's altitude,
// before it is limited to ±1: beyond -1 the sun never sinks below the
// altitude, beyond +1 it never rises to it.
double HourAngleCosine(double declination, double altitude, double latitude) {
  const double phi = DegToRad(latitude < -90 ? -90 : latitude > 90 ? 90 : latitude);
  const double numerator = std::sin(altitude) - std::sin(phi) * std::sin(declination);
  const double denominator = std::cos(declination) * std::cos(phi);
  // At the poles the sun keeps its altitude all day.
  if (denominator < 1e-12) return numerator < 0 ? -2.0 : 2.0;
  return numerator / denominator;
}

}  // namespace

MoonPhaseResult MoonPhase(int jd) {
  const double a = (jd - kMoonEpoch) / kSynodicMonth;
  const double b = (jd + 1 - kMoonEpoch) / kSynodicMonth;
  const double fa = Frac(a);
  const double fb = Frac(b);
  MoonPhaseResult result;
  result.age = static_cast<int>(std::lround(Frac(a - 0.5) * kSynodicMonth));
  std::string_view phase;
  if (fa < 0.25 && 0.25 < fb) {
    phase = "abnehmender Halbmond, ";
  } else if (fa < 0.75 && 0.75 < fb) {
    phase = "zunehmender Halbmond, ";
  } else if (fa < 0.5 && 0.5 < fb) {
    return {0, "Neumond, 0 Tage alt"};
  } else if (std::floor(a) < std::floor(b)) {
    phase = "Vollmond, ";
  } else if (fb < 0.5) {
    phase = "abnehmender Mond, ";
  } else {
    phase = "zunehmender Mond, ";
  }
  // Written at its final size: every shown day carries this text.
  constexpr std::string_view kSuffix = " d alt";
  const int age = result.age;  // 0..30
  const std::size_t digits = age >= 10 ? 2 : 1;
  result.text.resize(phase.size() + digits + kSuffix.size());
  char* out = result.text.data();
  phase.copy(out, phase.size());
  out += phase.size();
  if (digits == 2) *out++ = static_cast<char>('0' + age / 10);
  *out++ = static_cast<char>('0' + age % 10);
  kSuffix.copy(out, kSuffix.size());
  return result;
}

MoonPhaseResult MoonPhase(std::string_view jd) {
  return MoonPhase(ParseDayNumber(jd));
}

double DegToRad(double degrees) {
  return degrees * 0.017453292519943295;
}

double RadToDeg(double radians) {
  return radians * (180.0 / kPi);
}

double ArcTan2(double y, double x) {
  return std::atan2(y, x);
}

double ArcCos(double x) {
  if (x > 1) x = 1;
  if (x < -1) x = -1;
  return ArcTan2(std::sqrt(1 - x * x), x);
}

double EquationOfTime(int jd) {
  if (JDInRange(jd) != 1) return 0;
  const int d = SunDayOfYear(jd);
  return 9.92 * std::sin(DegToRad((d - 80.8) * 360 / 182.6211)) -
         7.37 * std::sin(DegToRad((d - 3.7) * 360 / 365.2596));
}

double SunDeclination(int jd) {
  if (JDInRange(jd) != 1) return 0;
  return 0.40954 * std::sin((SunDayOfYear(jd) - 79.35) * 0.0172);
}

SunPath SunPathOf(int jd, SunEvent event, double latitude) {
  const double c = HourAngleCosine(SunDeclination(jd), EventAltitude(event), latitude);
  if (c <= -1) return SunPath::NeverBelow;
  if (c >= 1) return SunPath::NeverReaches;
  return SunPath::Crosses;
}

double HalfDayArc(int jd, SunEvent event, double latitude) {
  const double altitude = EventAltitude(event);
  if (JDInRange(jd) != 1 || std::isnan(altitude) || std::isnan(latitude)) return 0;
  return 12 / kPi * ArcCos(HourAngleCosine(SunDeclination(jd), altitude, latitude));
}

double SunriseTime(int jd, SunEvent event, double longitude, double latitude) {
  if (JDInRange(jd) != 1) return 0;
  return 12 - HalfDayArc(jd, event, latitude) - longitude / 15;
}

double SunsetTime(int jd, SunEvent event, double longitude, double latitude) {
  if (JDInRange(jd) != 1) return 0;
  return HalfDayArc(jd, event, latitude) + 12 - longitude / 15;
}

double ClockTimeOfEvent(double eventHours, int jd, double zoneOffsetHours) {
  return eventHours - EquationOfTime(jd) / 60 + zoneOffsetHours;
}

SunTimes SunTimesInZone(int jd, double longitude, double latitude, double zoneOffsetHours) {
  const double shift = zoneOffsetHours - EquationOfTime(jd) / 60;
  const double civil = HalfDayArc(jd, SunEvent::Civil, latitude);
  const double horizon = HalfDayArc(jd, SunEvent::Horizon, latitude);
  const double noon = 12 - longitude / 15 + shift;
  return {noon - civil, noon - horizon, noon + horizon, noon + civil};
}

}  // namespace engine
