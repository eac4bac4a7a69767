// SPDX-License-Identifier: MIT
// Fonts of the controls: "Courier New" where installed, else the system's
// fixed-pitch font, at the same size and weight.
#pragma once

#include <QFont>

namespace controls {

// FixedFieldFont: a fixed-pitch font of `points` points, bold when asked.
QFont FixedFieldFont(int points, bool bold);  // (10, true) -> Courier New 10 bold

}  // namespace controls
