// SPDX-License-Identifier: MIT
// The printable year calendar as a PDF file, for the print program that the
// command line hands `jahreskalender` to; its interface knows no Qt types. The file is written
// beside its target under another name and takes the target's name only when it is complete, so a
// failed run never leaves half a page under the name asked for.
#pragma once

#include <string>

#include "engine/yearpage.h"

namespace print {

// WriteYearPagePdf: writes the page to path as a one-page PDF; on failure
// false and a German message in error, and the path left as it was.
bool WriteYearPagePdf(const engine::YearPage& page, const std::string& path,
                      std::string& error);  // (page, "/tmp/2026.pdf", e) -> true

}  // namespace print
