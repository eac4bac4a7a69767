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

// Utf8Path: the path named by UTF-8 text, such as the command line's
// arguments. A std::string would be read in the ANSI code page on Windows,
// and "ö.ics" would become "Ã¶.ics" there.
std::filesystem::path Utf8Path(std::string_view text);  // "ö.ics" -> L"ö.ics" on Windows

}  // namespace exports
