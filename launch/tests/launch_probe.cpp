// SPDX-License-Identifier: MIT
// The program the launch test starts: exits with its last argument when the
// others are the ones the test sends, 99 when they are not.
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

int Probe(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "--signal") std::abort();
  if (args.size() == 1) return std::atoi(args[0].c_str());
  const std::vector<std::string> expected{"a b", "\"zitat\"", "ä § ß", "", "back\\slash\\"};
  if (args.size() != expected.size() + 1) return 99;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (args[i] != expected[i]) return 99;
  }
  return std::atoi(args.back().c_str());
}

}  // namespace

// On Windows the arguments are compared as UTF-8 from the wide ones, as the
// command line reads them: the narrow argv would be in the ANSI code page.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    args.push_back(text);
  }
  return Probe(args);
}
#else
int main(int argc, char** argv) {
  return Probe(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
