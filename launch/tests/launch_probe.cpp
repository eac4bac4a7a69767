// SPDX-License-Identifier: MIT
// The program the launch test starts: exits with its last argument when the
// others are the ones the test sends, 99 when they are not.
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--signal") std::abort();
  if (args.size() == 1) return std::atoi(args[0].c_str());
  const std::vector<std::string> expected{"a b", "\"zitat\"", "ä § ß", "", "back\\slash\\"};
  if (args.size() != expected.size() + 1) return 99;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (args[i] != expected[i]) return 99;
  }
  return std::atoi(args.back().c_str());
}
