// SPDX-License-Identifier: MIT
// Facts about the computer the program runs on, for the system-information
// page: user and computer name, the operating system, the registered owner
// and product id (Windows registry), the primary screen's size in physical
// pixels and the stack size of the main thread. Nothing private such as a
// machine id is read. Every fact that cannot be read stays empty (or 0), so
// the caller shows its fallback text; tests replace the reader.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

struct SystemFacts {
  std::string user;       // the logged-on user's name
  std::string computer;   // the computer's host name
  std::string owner;      // registered owner (Windows), else empty
  std::string productId;  // product id (Windows), else empty
  std::string os;         // "Debian GNU/Linux 12 (bookworm)"
  int screenWidth = 0;    // physical pixels of the primary screen, 0 without one
  int screenHeight = 0;
  std::int64_t stackSize = 0;  // bytes of the calling thread's stack, 0 when unknown
};

// ReadSystemFacts: the facts of this computer, read now (call it on the main
// thread, whose stack it measures).
SystemFacts ReadSystemFacts();  // -> {"anna", "pc1", "", "", "Debian ...", 1920, 1080, 8388608}

// SetSystemFactsReader: replaces the reader, so that tests see fixed facts;
// an empty function restores the computer's own.
void SetSystemFactsReader(std::function<SystemFacts()> reader);

}  // namespace platform
