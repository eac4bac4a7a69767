// SPDX-License-Identifier: MIT
// The command line's own questions to the system: its arguments, its
// standard streams and whether they are a terminal. Everything else it asks
// goes through launch/.
#include <cstdio>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

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

namespace {

// Writes UTF-8 text to a console as UTF-16. The console then needs no
// particular code page, and a character is never cut in two, which a
// console in code page 65001 would show as two replacement marks when its
// bytes come in two writes.
class ConsoleWriter : public std::streambuf {
 public:
  explicit ConsoleWriter(HANDLE console) : console_(console) {}
  ~ConsoleWriter() override { Write(pending_.size()); }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_ += traits_type::to_char_type(c);
    if (pending_.size() >= kChunk) Write(WholeCharacters());
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    if (pending_.size() >= kChunk) Write(WholeCharacters());
    return count;
  }
  int sync() override {
    Write(WholeCharacters());
    return 0;
  }

 private:
  static constexpr std::size_t kChunk = 8192;

  // The length of pending_ without a character whose bytes have not all
  // come yet.
  std::size_t WholeCharacters() const {
    std::size_t start = pending_.size();
    while (start > 0 && pending_.size() - start < 4 &&
           (static_cast<unsigned char>(pending_[start - 1]) & 0xC0) == 0x80) {
      --start;
    }
    if (start == 0) return pending_.size();
    const auto lead = static_cast<unsigned char>(pending_[start - 1]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return pending_.size() - (start - 1) < length ? start - 1 : pending_.size();
  }

  void Write(std::size_t bytes) {
    if (bytes == 0) return;
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(bytes), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(bytes), wide.data(), size);
    for (std::size_t done = 0; done < wide.size();) {
      DWORD written = 0;
      if (WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(wide.size() - done),
                        &written, nullptr) == 0 ||
          written == 0) {
        break;
      }
      done += written;
    }
    pending_.erase(0, bytes);
  }

  HANDLE console_;
  std::string pending_;
};

// The console behind a standard handle; nothing when it is a file or a pipe.
HANDLE ConsoleOf(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

}  // namespace

StandardStreams::StandardStreams() {
  // The program writes "\n" on every system; in text mode the C runtime
  // would make it "\r\n", and answers would differ from the other systems'
  // byte for byte. A console shows "\n" as a line break as it is.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (const HANDLE out = ConsoleOf(STD_OUTPUT_HANDLE)) {
    std::cout.flush();
    console_out_ = std::make_unique<ConsoleWriter>(out);
    replaced_out_ = std::cout.rdbuf(console_out_.get());
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode) != 0 && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0 &&
        SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) {
      console_mode_ = mode;
      console_mode_changed_ = true;
    }
  }
  if (const HANDLE err = ConsoleOf(STD_ERROR_HANDLE)) {
    console_err_ = std::make_unique<ConsoleWriter>(err);
    replaced_err_ = std::cerr.rdbuf(console_err_.get());
  }
}

StandardStreams::~StandardStreams() {
  std::cout.flush();
  std::cerr.flush();
  if (console_out_) std::cout.rdbuf(replaced_out_);
  if (console_err_) std::cerr.rdbuf(replaced_err_);
  console_out_.reset();
  console_err_.reset();
  if (console_mode_changed_) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), console_mode_);
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
