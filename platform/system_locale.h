// SPDX-License-Identifier: MIT
// The locale of the desktop: handed to the engine once at start-up.
#pragma once

namespace platform {

// ApplySystemLocale: gives the engine the system locale's decimal separator.
void ApplySystemLocale();

}  // namespace platform
