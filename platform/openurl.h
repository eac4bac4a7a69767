// SPDX-License-Identifier: MIT
// Opening a web address in the user's default browser. Only http and https
// addresses reach the platform, so that no text of the program can ever start
// a local program or open a local file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {

// OpenUrl: opens the address in the default browser and returns the
// platform's result (1 opened, 0 not), which callers need not inspect. The
// parameters and directory stay empty in every use; show command 3 asks for a
// maximised window, 0 for the browser's own choice (the browser decides).
int OpenUrl(std::string_view address, std::string_view parameters = {},
            std::string_view directory = {}, int showCommand = 3);

// OpenUrlOfApplication: the same request made on behalf of the application
// rather than its main window; it opens the address the same way.
int OpenUrlOfApplication(std::string_view address, std::string_view parameters = {},
                         std::string_view directory = {}, int showCommand = 3);

// IsWebAddress: whether an address is one that OpenUrl hands on.
bool IsWebAddress(std::string_view address);  // "https://de.wikipedia.org/wiki/Neujahr" -> true

// SetUrlOpener: replaces the browser, so that tests record the addresses;
// an empty function restores the browser.
void SetUrlOpener(std::function<bool(const std::string&)> opener);

}  // namespace platform
