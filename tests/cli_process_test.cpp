// flexoria-cli as a program: exit statuses, where its texts go, and what
// bad usage says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/test_support.h"

namespace {

using ::flexoria::testing::ReadFile;
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

TEST(CliProcess, BadUsageExitsWithTwoAndSaysWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "A subcommand is required"},
      {"frob", "«frob» no es una orden de flexoria-cli"},
      {"conjugate", "VERBO is required"},
      {"conjugate amar --option foo", "«foo» no es una forma"},
      {"conjugate amar --option 0", "«0» no es una forma"},
      {"conjugate amar --bogus", "--bogus"},
      {"lexicon", "PALABRA is required"},
      {"replay --state extra", "extra"},
  };
  for (const auto& [args, says] : cases) {
    SCOPED_TRACE(args);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr(says));
    EXPECT_THAT(run.err, HasSubstr("--help"));
    EXPECT_THAT(run.out, IsEmpty());
  }
}

TEST(CliProcess, HelpOnEveryCommandAndVersion) {
  EXPECT_THAT(RunCli("--help").out, HasSubstr("conjugate"));
  const CliRun conjugate = RunCli("conjugate --help");
  EXPECT_EQ(conjugate.status, 0);
  for (const char* name : {"presente", "subj-imperfecto-1", "subj-imperfecto-2", "gerundio"}) {
    EXPECT_THAT(conjugate.out, HasSubstr(name));
  }
  EXPECT_EQ(RunCli("lexicon --help").status, 0);
  EXPECT_EQ(RunCli("replay --help").status, 0);
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

TEST(CliProcess, EndingsAreRedOnATerminalUnlessNoColorIsSet) {
  if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script(1)";
  EXPECT_THAT(RunOnTerminal("-u NO_COLOR", "conjugate hablar -o gerundio").out,
              HasSubstr("    habl\x1b[31mando\x1b[0m"));
  EXPECT_THAT(RunOnTerminal("NO_COLOR=1", "conjugate hablar -o gerundio").out,
              HasSubstr("    hablando"));
}

}  // namespace
