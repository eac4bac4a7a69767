// SPDX-License-Identifier: MIT
// Moon and sun of a day: the moon's age and phase text, and for the sun the
// equation of time, the declination and the times of sunrise, sunset and
// twilight at a place. Closed formulas of the day number with fixed
// constants, accurate to the day for the moon and to minutes for the sun;
// no ephemeris, no refraction model beyond the fixed altitudes.
//
// Places are latitude and longitude in decimal degrees, north and east
// positive. Sun times are hours of mean solar time at the zero meridian
// until ClockTimeOfEvent turns them into the clock time of a zone.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// ---- Moon -----------------------------------------------------------------

struct MoonPhaseResult {
  int age = 0;       // whole days since the last new moon, 0..30
  std::string text;  // "zunehmender Mond, 1 d alt", "Neumond, 0 Tage alt", ...
};

// MoonPhase: the moon's age and phase text of a day number; the text form
// counts a text that is no number as day number 0.
MoonPhaseResult MoonPhase(int jd);  // 2451550 (06.01.2000) -> {0, "Neumond, 0 Tage alt"}
MoonPhaseResult MoonPhase(std::string_view jd);

// ---- Angles ---------------------------------------------------------------

// DegToRad, RadToDeg: degrees to radians and back.
double DegToRad(double degrees);  // DegToRad(180) == pi
double RadToDeg(double radians);  // RadToDeg(pi) == 180

// ArcTan2: the angle of the point (x, y), -pi..pi.
double ArcTan2(double y, double x);  // ArcTan2(1, 0) == pi / 2

// ArcCos: the angle 0..pi whose cosine is x; beyond ±1 the angle of ±1.
double ArcCos(double x);  // ArcCos(-1) == pi

// ---- Sun ------------------------------------------------------------------

// The altitude the sun's centre passes at an event.
enum class SunEvent {
  Horizon = 0,       // sunrise and sunset, -0.0145 rad (about -0.83 degrees)
  Civil = 1,         // civil twilight, "bürgl. Dämmerung", -6 degrees
  Nautical = 2,      // -12 degrees
  Astronomical = 3,  // -18 degrees
};

// How the sun meets an event's altitude on a day at a latitude.
enum class SunPath {
  Crosses,       // once going up, once going down
  NeverBelow,    // stays above it all day: polar day for this altitude
  NeverReaches,  // stays below it all day: polar night for this altitude
};

// EquationOfTime: true minus mean solar time in minutes; 0 outside the
// supported range of day numbers.
double EquationOfTime(int jd);  // 2460618 (03.11.2024) -> about 16.3

// SunDeclination: radians; 0 outside the supported range.
double SunDeclination(int jd);  // 2460483 (21.06.2024) -> about 0.409

// SunPathOf: whether the sun crosses the event's altitude that day.
SunPath SunPathOf(int jd, SunEvent event,
                  double latitude);  // (21.06.2024, Horizon, 70) -> NeverBelow

// HalfDayArc: hours from noon to the event, 0..12. A day on which the sun
// stays above the altitude gives 12 (the event falls on midnight), one on
// which it stays below gives 0 (both events fall on noon). 0 outside the
// supported range; latitudes beyond ±90 count as ±90.
double HalfDayArc(int jd, SunEvent event,
                  double latitude);  // (21.06.2024, Horizon, 52.5) -> about 8.42

// SunriseTime: hours of the morning event at the zero meridian's mean
// time, without the equation of time; 0 outside the supported range.
double SunriseTime(int jd, SunEvent event, double longitude,
                   double latitude);  // (21.06.2023, Horizon, 13.4, 52.5) -> about 2.69

// SunsetTime: hours of the evening event, likewise.
double SunsetTime(int jd, SunEvent event, double longitude,
                  double latitude);  // (21.06.2023, Horizon, 13.4, 52.5) -> about 19.52

// ClockTimeOfEvent: the hours of an event from SunriseTime or SunsetTime as
// the clock shows them in a zone of the given offset from UTC; not wrapped
// into the day (only a polar day can lead outside it).
double ClockTimeOfEvent(double eventHours, int jd,
                        double zoneOffsetHours);  // (2.69, 21.06.2023, 2) -> about 4.72

// The four sun times of the day description in a zone's clock time.
struct SunTimes {
  double dawn = 0;  // civil twilight in the morning
  double sunrise = 0;
  double sunset = 0;
  double dusk = 0;  // civil twilight in the evening
};

// SunTimesInZone: dawn, sunrise, sunset and dusk at a place in clock hours.
SunTimes SunTimesInZone(
    int jd, double longitude, double latitude,
    double zoneOffsetHours);  // (21.06.2023, 13.4, 52.5, 2) -> {3.9, 4.7, 21.6, 22.4}

}  // namespace engine
