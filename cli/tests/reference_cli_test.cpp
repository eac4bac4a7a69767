// SPDX-License-Identifier: MIT
#include "cli/reference.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tests/cli_run.h"

namespace cli {
namespace {

std::vector<std::string> Words(std::string_view call) {
  std::vector<std::string> words;
  std::string word;
  std::istringstream in{std::string(call)};
  while (in >> word) words.push_back(word);
  return words;
}

struct Tree {
  Tree() { SetupCli(app, io); }
  std::ostringstream out, err;
  Io io{out, err};
  CLI::App app;
};

// Every command has one example, every example names a command, and the
// example does what it says: it runs and ends with 0 (pruefe's with 3, the
// value it corrects).
TEST(Reference, EveryCommandHasAnExampleThatRuns) {
  const Tree tree;
  std::set<std::string> commands;
  for (const CLI::App* command : tree.app.get_subcommands({})) commands.insert(command->get_name());
  std::set<std::string> examples;
  SetProgramRunner([](std::string_view, const std::vector<std::string>&) { return 0; });
  for (const CommandExample& example : Examples()) {
    EXPECT_TRUE(examples.insert(std::string(example.command)).second) << example.command;
    EXPECT_TRUE(commands.contains(std::string(example.command))) << example.command;
    const std::vector<std::string> args = Words(example.call);
    ASSERT_FALSE(args.empty());
    EXPECT_EQ(args.front(), example.command);
    const CliRun r = Cli(args);
    EXPECT_EQ(r.code, example.command == "pruefe" ? 3 : 0) << example.call << '\n' << r.err;
  }
  SetProgramRunner({});
  EXPECT_EQ(examples, commands);
}

TEST(Reference, HelpShowsTheExampleAndTheExitCodes) {
  const CliRun top = Cli({"--help"});
  ASSERT_EQ(top.code, 0);
  for (const ExitCode& code : ExitCodes()) {
    EXPECT_NE(top.out.find("  " + std::to_string(code.code) + "  " + std::string(code.meaning)),
              std::string::npos)
        << code.code;
  }
  const CliRun tag = Cli({"tag", "--help"});
  EXPECT_NE(tag.out.find("Beispiel: razaduvovi-cli tag 03.10.2024 --land Bayern"),
            std::string::npos)
      << tag.out;
}

// The manual page names every command, every option of each and every exit
// code, and no line starts with a character roff would take as a request.
TEST(Reference, ManualPageCoversTheWholeTree) {
  const Tree tree;
  const std::string page = ManPageOfCli(tree.app);
  for (const CLI::App* command : tree.app.get_subcommands({})) {
    EXPECT_NE(page.find(".SS \"" + command->get_name() + "\""), std::string::npos)
        << command->get_name();
    for (const CLI::Option* option : command->get_options()) {
      for (const std::string& name : option->get_lnames()) {
        std::string escaped;
        for (const char c : name) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find("\\-\\-" + escaped), std::string::npos)
            << command->get_name() << " --" << name;
      }
    }
  }
  for (const ExitCode& code : ExitCodes()) {
    EXPECT_NE(page.find(".B " + std::to_string(code.code) + "\n"), std::string::npos);
  }
  std::istringstream lines(page);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with('.') || line.starts_with('\'')) {
      EXPECT_TRUE(line.size() >= 2 &&
                  (std::isupper(static_cast<unsigned char>(line[1])) || line[1] == '\\' ||
                   line.starts_with(".br") || line.starts_with(".nf") || line.starts_with(".fi") ||
                   line.starts_with(".nh") || line.starts_with(".ad")))
          << line;
    }
  }
}

}  // namespace
}  // namespace cli
