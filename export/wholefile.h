// SPDX-License-Identifier: MIT
// Writing a file whole or not at all: the text goes into a new file beside
// the target, which is then renamed over it, so that the target holds
// either its old content or all of the new one, never a torn half. Shared
// by the command line and the program's save actions.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace exports {

// WriteFileWhole: writes text into target through a file beside it and a
// rename; "" when written, else the German message why not (target is
// named as given, in UTF-8).
std::string WriteFileWhole(const std::filesystem::path& target, std::string_view text);
// ("/tmp/x.ics", "BEGIN:...") -> ""; ("/tmp", ...) ->
// "Die Datei \"/tmp\" kann nicht geschrieben werden (das ist ein Ordner)."

}  // namespace exports
