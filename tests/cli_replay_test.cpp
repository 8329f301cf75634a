// SPDX-License-Identifier: GPL-3.0-or-later
// The replay protocol: line format, bad input, and the exit status of a run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/replay.h"
#include "tests/test_support.h"

namespace flexoria {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

TEST(Replay, AnswersInProtocolKeyOrderWithCrLfEscaped) {
  Replay replay(false);
  const std::string out = replay.RunLine(R"({"entry": "hablar", "option": 1})");
  EXPECT_EQ(
      out,
      R"({"messages":[],"title":"Presente de Indicativo","persons":"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3","stems":"\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl","endings":"\r\no\r\nas\r\na\r\namos\r\náis\r\nan","red":true})");
  EXPECT_FALSE(replay.had_bad_input());
}

TEST(Replay, StateListsEverySlotByName) {
  Replay replay(true);
  const Json out = Json::parse(replay.RunLine(R"({"entry": " amar", "option": 12})"));
  const Json& state = out["state"];
  EXPECT_EQ(state["Stem"], "am");
  EXPECT_EQ(state["EntryLength"], 4);
  EXPECT_EQ(state["LastVerb"], "amar");
  EXPECT_EQ(state.size(), 6u + 15u + 16u + 1u);
  EXPECT_EQ(state.begin().key(), "Verb");
}

TEST(Replay, StateShowsTheEntryAsRead) {
  for (const testing::TypedEntryRow& row : testing::ReadTypedEntries()) {
    Replay replay(true);
    const Json line = {{"entry", row.typed}, {"option", 1}};
    const Json out = Json::parse(replay.RunLine(line.dump()));
    EXPECT_EQ(out["state"]["Verb"], row.verb) << row.typed;
    EXPECT_EQ(out["state"]["Stem"], row.stem) << row.typed;
    EXPECT_EQ(out["messages"].size(), row.messages) << row.typed;
    const auto stems = testing::SplitAt(out["stems"].get<std::string>(), '\n');
    const auto endings = testing::SplitAt(out["endings"].get<std::string>(), '\n');
    ASSERT_EQ(stems.size(), row.forms.size() + 1) << row.typed;
    const auto without_cr = [](std::string cell) {
      if (cell.ends_with('\r')) cell.pop_back();
      return cell;
    };
    for (std::size_t at = 0; at < row.forms.size(); ++at) {
      EXPECT_EQ(without_cr(stems[at + 1]) + without_cr(endings[at + 1]), row.forms[at])
          << row.typed;
    }
  }
}

TEST(Replay, BadLinesAreAnsweredAndLoseNothing) {
  const std::string bad_lines[] = {
      "garbage",
      "[1, 2]",
      R"({"option": 1})",
      R"({"entry": "amar"})",
      R"({"entry": 5, "option": 1})",
      R"({"entry": "amar", "option": 1.0})",
      R"({"entry": "amar", "option": "1"})",
      R"({"entry": "amar", "option": true})",
      R"({"entry": "amar", "option": 0})",
      R"({"entry": "amar", "option": 14})",
      R"({"entry": "amar", "option": 99999999999999999999})",
      R"({"entry": "\ud800", "option": 1})",
      R"({"entry": "\udc00ar", "option": 1})",
      std::string("{\"entry\": \"am\xff") + "ar\", \"option\": 1}",
      std::string("{\"entry\": \"am\0ar\", \"option\": 1}", 28),
  };
  Replay replay(false);
  const std::string good = replay.RunLine(R"({"entry": "comer", "option": 12})");
  for (const std::string& line : bad_lines) {
    SCOPED_TRACE(line);
    const Json answer = Json::parse(replay.RunLine(line));
    ASSERT_TRUE(answer.contains("error"));
    EXPECT_FALSE(answer["error"].get<std::string>().empty());
  }
  EXPECT_TRUE(replay.had_bad_input());
  // Same word again: no unknown-word notice, so the bad lines left the session alone.
  const Json again = Json::parse(replay.RunLine(R"({"entry": "comer", "option": 12})"));
  EXPECT_TRUE(again["messages"].empty());
  EXPECT_EQ(again["stems"], "\r\ncom");
}

TEST(Replay, HugeLinesAndEntriesAreHandledWhole) {
  Replay replay(false);
  const std::string megabyte_of_garbage(1 << 20, '{');
  EXPECT_TRUE(Json::parse(replay.RunLine(megabyte_of_garbage)).contains("error"));

  const std::string long_stem(100000, 'b');
  const Json answer =
      Json::parse(replay.RunLine(R"({"entry": ")" + long_stem + R"(ar", "option": 1})"));
  ASSERT_FALSE(answer.contains("error"));
  const std::string stems = answer["stems"];
  EXPECT_EQ(stems.size(), 6 * (2 + long_stem.size()));
}

// A recorded session: every answer, messages, columns and errors alike,
// must stay the same to the byte.
TEST(Replay, RecordedSessionsAnswerByteForByte) {
  auto read = [](const std::string& name) {
    return testing::ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/" + name);
  };
  for (const bool with_state : {false, true}) {
    const std::string prefix = with_state ? "replay_state" : "replay_session";
    std::istringstream in(read(prefix + "_in.jsonl"));
    std::ostringstream out;
    RunReplay(in, out, with_state);
    EXPECT_EQ(out.str(), read(prefix + "_out.jsonl")) << prefix;
  }
}

TEST(Replay, BlankLinesGetNoAnswerAndTheRunReportsBadInput) {
  std::istringstream in("\n  \n{\"entry\":\"amar\",\"option\":4}\nnope\n\r\n");
  std::ostringstream out;
  EXPECT_EQ(RunReplay(in, out, false), 1);
  std::istringstream lines(out.str());
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) ++count;
  EXPECT_EQ(count, 2);

  std::istringstream empty("");
  std::ostringstream nothing;
  EXPECT_EQ(RunReplay(empty, nothing, false), 0);
  EXPECT_EQ(nothing.str(), "");
}

TEST(Replay, ProgramReadsStdinAndExitsWithTheRunsStatus) {
  const std::string input = ::testing::TempDir() + "replay_input.jsonl";
  std::ofstream(input) << R"({"entry":"vivir","option":8})"
                       << "\n";
  const std::string command = std::string(FLEXORIA_CLI_PATH) + " replay < " + input;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[4096];
  std::string output;
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_THAT(output, HasSubstr(R"("title":"Imperativo")"));
}

}  // namespace
}  // namespace flexoria
