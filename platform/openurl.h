// SPDX-License-Identifier: MIT
// Opening a web address in the user's default browser. Only http and https
// addresses reach the platform, so that no text of the program can ever start
// a local program or open a local file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// OpenUrl: opens the address in the default browser and returns 1 when it
// was handed on, 0 when not; callers need not inspect it. Whether the request
// is made for a window or for the application, and how large the browser
// window should be, is the browser's business: every link opens the same way.
int OpenUrl(std::string_view address);  // "https://de.wikipedia.org/wiki/Neujahr" -> 1

// IsWebAddress: whether an address is one that OpenUrl hands on.
bool IsWebAddress(std::string_view address);  // "https://de.wikipedia.org/wiki/Neujahr" -> true

// SetUrlOpener: replaces the browser, so that tests record the addresses;
// an empty function restores the browser.
void SetUrlOpener(std::function<bool(const std::string&)> opener);

}  // namespace platform
