// SPDX-License-Identifier: GPL-3.0-or-later
// flexoria-cli as a program: exit statuses, where its texts go, and what
// bad usage says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "tests/test_support.h"

namespace {

using ::flexoria::testing::ReadFile;
using ::flexoria::testing::UnescapeBytes;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunShell(const std::string& line) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("flexoria-cli-test-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string command = "(" + line + ") >'" + (dir / "out").string() + "' 2>'" +
                              (dir / "err").string() + "' </dev/null";
  const int raw = std::system(command.c_str());
  CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir / "out"), ReadFile(dir / "err")};
  std::filesystem::remove_all(dir);
  return run;
}

// `args` is a shell word list; NO_COLOR is cleared so only the pipe decides.
CliRun RunCli(const std::string& args) {
  return RunShell("env -u NO_COLOR '" FLEXORIA_CLI_PATH "' " + args);
}

// Runs flexoria-cli with its standard output on a pseudo-terminal.
CliRun RunOnTerminal(const std::string& environment, const std::string& args) {
  return RunShell("script -qec \"env " + environment + " '" FLEXORIA_CLI_PATH "' " + args +
                  " 2>/dev/null\" /dev/null");
}

// A data file's words as one shell word each, bytes and all.
std::string ShellWords(const std::string& field) {
  std::string words;
  for (const std::string& word : flexoria::testing::SplitAt(field, ' ')) {
    const std::string bytes = word == "(vacía)" ? "" : UnescapeBytes(word);
    std::string quoted = "'";
    for (const char c : bytes) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    words += " " + quoted + "'";
  }
  return words;
}

std::string DataFile(const std::string& name) {
  return std::string(FLEXORIA_TEST_DATA_DIR) + "/" + name;
}

TEST(CliProcess, EveryCommandTakesWordsAsTheTableSays) {
  std::istringstream rows(ReadFile(DataFile("cli_words.tsv")));
  const auto input =
      std::filesystem::temp_directory_path() / ("flexoria-cli-input-" + std::to_string(getpid()));
  for (std::string row; std::getline(rows, row);) {
    if (row.empty() || row[0] == '#') continue;
    auto fields = flexoria::testing::SplitAt(row, '\t');
    fields.resize(5);
    SCOPED_TRACE(row);
    std::string line = "env -u NO_COLOR '" FLEXORIA_CLI_PATH "'" + ShellWords(fields[0]);
    if (fields[1] != "-") {
      std::ofstream(input, std::ios::binary) << UnescapeBytes(fields[1]);
      line += " <'" + input.string() + "'";
    }
    const CliRun run = RunShell(line);
    EXPECT_EQ(run.status, std::stoi(fields[2]));
    std::string err = run.err;
    std::ranges::replace(err, '\n', '|');
    if (!err.empty()) err.pop_back();
    EXPECT_EQ(err, fields[3] == "-" ? "" : fields[3]);
    EXPECT_THAT(run.out, HasSubstr(fields[4]));
  }
  std::filesystem::remove(input);
}

// Whatever a word holds, a terminal gets only the program's own colour codes
// as control sequences: from arguments, from lines of input, from replay.
TEST(CliProcess, NoControlCharacterReachesTheTerminalButTheColours) {
  if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script(1)";
  const auto dir = std::filesystem::temp_directory_path() /
                   ("flexoria-cli-terminal-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::istringstream rows(ReadFile(DataFile("cli_terminal.tsv")));
  for (std::string row; std::getline(rows, row);) {
    if (row.empty() || row[0] == '#') continue;
    auto fields = flexoria::testing::SplitAt(row, '\t');
    fields.resize(3);  // an empty last field
    SCOPED_TRACE(row);
    std::ofstream(dir / "word", std::ios::binary) << UnescapeBytes(fields[1]);
    std::ofstream(dir / "input", std::ios::binary) << UnescapeBytes(fields[2]);
    // The word reaches the program through a file the inner shell reads, so
    // no byte of it is ever read as shell syntax, whichever shell script(1) runs.
    const std::string command = "env -u NO_COLOR '" FLEXORIA_CLI_PATH "' " + fields[0];
    const std::string word = "\"$(cat '" + (dir / "word").string() + "')\"";
    std::ofstream(dir / "run.sh") << std::regex_replace(command, std::regex("WORD"), word) << " <'"
                                  << (dir / "input").string() << "' 2>&1\n";
    std::string shown =
        RunShell("script -qec \"sh '" + (dir / "run.sh").string() + "'\" /dev/null").out;
    for (const std::string colour : {"\x1b[31m", "\x1b[0m"}) {
      for (auto at = shown.find(colour); at != std::string::npos; at = shown.find(colour)) {
        shown.erase(at, colour.size());
      }
    }
    EXPECT_THAT(shown, Not(IsEmpty()));
    for (std::size_t at = 0; at < shown.size(); ++at) {
      const auto byte = static_cast<unsigned char>(shown[at]);
      const bool c1 = byte == 0xC2 && at + 1 < shown.size() &&
                      static_cast<unsigned char>(shown[at + 1]) >= 0x80 &&
                      static_cast<unsigned char>(shown[at + 1]) <= 0x9F;
      const bool control = (byte < 0x20 && byte != '\n' && byte != '\r') || byte == 0x7F || c1;
      ASSERT_FALSE(control) << "byte " << at << " of: " << shown;
    }
  }
  std::filesystem::remove_all(dir);
}

TEST(CliProcess, HelpIsSpanishOnEveryCommandAndVersion) {
  std::istringstream rows(ReadFile(DataFile("cli_help.tsv")));
  for (std::string row; std::getline(rows, row);) {
    if (row.empty() || row[0] == '#') continue;
    const auto fields = flexoria::testing::SplitAt(row, '\t');
    ASSERT_EQ(fields.size(), 3u) << row;
    const CliRun help = RunCli(fields[0]);
    EXPECT_EQ(help.status, 0) << row;
    for (const std::string& text : flexoria::testing::SplitAt(fields[1], '|')) {
      EXPECT_THAT(help.out, HasSubstr(text)) << fields[0];
    }
    for (const std::string& word : flexoria::testing::SplitAt(fields[2], '|')) {
      EXPECT_THAT(help.out, Not(HasSubstr(word))) << fields[0];
    }
  }
  const CliRun version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_THAT(version.out, testing::MatchesRegex("[0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

TEST(CliProcess, PipedTablesArePlainAndMessagesGoToStandardError) {
  const CliRun ok = RunCli("conjugate hablar -o presente");
  EXPECT_EQ(ok.status, 0);
  EXPECT_THAT(ok.out, HasSubstr("    vosotros       habláis\n"));
  EXPECT_THAT(ok.out, Not(HasSubstr("\x1b")));

  const CliRun refused = RunCli("conjugate tenersese");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "tenersese: Borre el pronombre \"se\".\n");
  EXPECT_THAT(refused.out, IsEmpty());

  const CliRun lexicon = RunCli("lexicon wolfear");
  EXPECT_EQ(lexicon.status, 1);
  EXPECT_EQ(lexicon.out, "wolfear: no está en la lista de verbos\n");
}

TEST(CliProcess, InfinitivesFromStandardInputGiveJsonLines) {
  const CliRun run = RunShell("printf 'amar\\n\\nirse\\ncasa\\n' | '" FLEXORIA_CLI_PATH
                              "' conjugate --json -o gerundio -");
  EXPECT_EQ(run.status, 1);
  const auto lines = flexoria::testing::SplitAt(run.out, '\n');
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_THAT(lines[1], HasSubstr("\"text\":\"yéndose\""));
  EXPECT_EQ(run.err, "casa: Éste no es un infinitivo.\n");
}

// The next form is typed only once the first one's answer is out (or after
// ten seconds): someone at a terminal reads each answer before going on.
TEST(CliProcess, EachFormFromStandardInputIsAnsweredBeforeTheNextArrives) {
  const CliRun run = RunShell(
      "answers=$(mktemp); (echo tuve; for i in $(seq 100); do [ -s \"$answers\" ] && break; "
      "sleep 0.1; done; [ -s \"$answers\" ] && echo hablo) | '" FLEXORIA_CLI_PATH
      "' identify - >\"$answers\"; cat \"$answers\"; rm -f \"$answers\"");
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, HasSubstr("  tener  "));
  EXPECT_THAT(run.out, HasSubstr("  hablar  "));
}

TEST(CliProcess, EndingsAreRedOnATerminalUnlessNoColorIsSet) {
  if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script(1)";
  EXPECT_THAT(RunOnTerminal("-u NO_COLOR", "conjugate hablar -o gerundio").out,
              HasSubstr("    habl\x1b[31mando\x1b[0m"));
  EXPECT_THAT(RunOnTerminal("NO_COLOR=1", "conjugate hablar -o gerundio").out,
              HasSubstr("    hablando"));
}

}  // namespace
