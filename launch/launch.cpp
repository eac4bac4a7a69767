// SPDX-License-Identifier: MIT
#include "launch/launch.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace launch {
namespace {

namespace fs = std::filesystem;

// The folder of the running program; empty when the system does not say.
fs::path OwnFolder() {
#ifdef _WIN32
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (size == 0) return {};
    if (size < buffer.size()) {
      buffer.resize(size);
      return fs::path(buffer).parent_path();
    }
    buffer.resize(buffer.size() * 2);
  }
#else
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return self.parent_path();
#endif
}

#ifdef _WIN32
std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

// The C runtime joins the arguments with blanks; each is quoted so that the
// child's runtime splits them back as they were (backslashes before a quote
// doubled, quotes escaped).
std::wstring Quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  out += L'"';
  return out;
}
#endif

}  // namespace

std::optional<fs::path> ProgramBeside(std::string_view name) {
  const fs::path folder = OwnFolder();
  if (folder.empty()) return std::nullopt;
#ifdef _WIN32
  const std::string file = std::string(name) + ".exe";
#else
  const std::string file(name);
#endif
  for (const fs::path& candidate :
       {folder / file, folder.parent_path() / "libexec" / "razaduvovi" / file}) {
    std::error_code error;
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

std::optional<int> RunBeside(std::string_view name, const std::vector<std::string>& args) {
  const std::optional<fs::path> program = ProgramBeside(name);
  if (!program) return std::nullopt;
#ifdef _WIN32
  std::vector<std::wstring> quoted{Quoted(program->wstring())};
  for (const std::string& arg : args) quoted.push_back(Quoted(Wide(arg)));
  std::vector<const wchar_t*> argv;
  for (const std::wstring& arg : quoted) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  const intptr_t code = _wspawnv(_P_WAIT, program->c_str(), argv.data());
  if (code == -1) return std::nullopt;
  return static_cast<int>(code);
#else
  const std::string path = program->string();
  std::vector<std::string> owned{path};
  owned.insert(owned.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : owned) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return std::nullopt;
  }
  int status = 0;
  while (waitpid(child, &status, 0) == -1) {
    if (errno != EINTR) return std::nullopt;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return std::nullopt;
#endif
}

}  // namespace launch
