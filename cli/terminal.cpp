// SPDX-License-Identifier: MIT
// The command line's own questions to the system: its arguments, its
// standard streams and whether they are a terminal. Everything else it asks
// goes through launch/.
#include <cstdio>
#include <iostream>

#include "cli/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace cli {

#ifdef _WIN32

// A Windows console shows the month sheet's colour sequences only with
// virtual terminal processing on (Windows 10 and later); a file, a pipe or
// the NUL device has no console mode at all.
bool StandardOutputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0 &&
         (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

StandardStreams::StandardStreams() {
  // The program writes "\n" on every system; in text mode the C runtime
  // would make it "\r\n", and answers would differ from the other systems'
  // byte for byte.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // The text is UTF-8; a console shows it as such only in code page 65001.
  // GetConsoleOutputCP gives 0 when there is no console (output to a file).
  const UINT code_page = GetConsoleOutputCP();
  if (code_page != 0 && code_page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8) != 0) {
    console_code_page_ = code_page;
  }
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode) != 0 && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0 &&
      SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) {
    console_mode_ = mode;
    console_mode_changed_ = true;
  }
}

StandardStreams::~StandardStreams() {
  // Everything reaches the console while it is still in UTF-8.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(stdout);
  std::fflush(stderr);
  if (console_mode_changed_) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), console_mode_);
  if (console_code_page_ != 0) SetConsoleOutputCP(console_code_page_);
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const wchar_t* wide = argv[i];
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();  // the terminating NUL
    args.push_back(std::move(text));
  }
  return args;
}

#else

bool StandardOutputIsTerminal() {
  return isatty(fileno(stdout)) != 0;
}

StandardStreams::StandardStreams() = default;
StandardStreams::~StandardStreams() = default;

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

#endif

}  // namespace cli
