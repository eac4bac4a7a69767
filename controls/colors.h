// SPDX-License-Identifier: MIT
// The named colours of the date controls: weekday and holiday marks, grey
// for days outside the month and unconfirmed input, and the backgrounds of
// the Julian calendar and of Gregorian days before 15.10.1582.
#pragma once

#include <QColor>

namespace controls {

inline const QColor kSaturdayColor{128, 0, 0};          // maroon
inline const QColor kSundayColor{255, 0, 0};            // red
inline const QColor kLegalHolidayColor{255, 0, 255};    // fuchsia
inline const QColor kGreyColor{128, 128, 128};          // outside the month, unconfirmed input
inline const QColor kJulianColor{255, 255, 0};          // yellow background
inline const QColor kPreGregorianColor{192, 192, 192};  // silver background
inline const QColor kSelectedColor{0, 255, 0};          // lime
// The bar under a day in school holidays: a blue none of the inks uses.
inline const QColor kSchoolHolidayColor{0, 90, 200};

}  // namespace controls
