// SPDX-License-Identifier: MIT
// Whether the desktop offers a tray (the notification area of the task bar
// or panel) for the program's symbol. Tests say yes or no themselves, since
// the offscreen platform never has one.
#pragma once

#include <functional>

namespace platform {

// SystemTrayAvailable: whether a symbol put into the tray would be shown now.
bool SystemTrayAvailable();  // a desktop with a panel tray -> true

// SetSystemTrayProbe: replaces the question to the desktop; an empty
// function asks the desktop again.
void SetSystemTrayProbe(std::function<bool()> probe);

}  // namespace platform
