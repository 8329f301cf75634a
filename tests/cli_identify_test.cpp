// SPDX-License-Identifier: GPL-3.0-or-later
// flexoria-cli identify against tests/data/identify_forms.tsv: readings,
// suggestions and refusals as the grammar has them, and every form of a
// dozen verbs read back to the verb that the engine made it for.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/identify_command.h"
#include "lookup/form_enumeration.h"
#include "lookup/form_lookup.h"
#include "test_support.h"

namespace flexoria::testing {
namespace {

using Json = nlohmann::json;

struct Answer {
  int status = 0;
  std::vector<Json> lines;
};

Answer Identify(const std::vector<std::string>& forms, const std::string& input = {},
                bool text = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Answer answer;
  answer.status = RunIdentify({forms, true, false, text}, in, out, err);
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) answer.lines.push_back(Json::parse(line));
  return answer;
}

std::string Joined(const Json& items, auto describe) {
  std::string joined;
  for (const Json& item : items) joined += (joined.empty() ? "" : "|") + describe(item);
  return joined;
}

std::string Described(const Json& reading) {
  std::string described =
      reading["verb"].get<std::string>() + " " + reading["name"].get<std::string>() + " " +
      reading["person"].get<std::string>() + " " + reading["stem"].get<std::string>() + "+" +
      reading["ending"].get<std::string>();
  if (reading.contains("pronouns")) {
    std::string pronouns;
    for (const Json& pronoun : reading["pronouns"]) pronouns += " " + pronoun.get<std::string>();
    described += " [" + pronouns.substr(1) + "]";
  }
  if (reading.contains("note")) described += " (" + reading["note"].get<std::string>() + ")";
  return described;
}

TEST(Identify, FormsReadSuggestAndRefuseAsTheGrammarSays) {
  std::istringstream rows(ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/identify_forms.tsv"));
  for (std::string row; std::getline(rows, row);) {
    auto fields = SplitAt(row, '\t');
    if (row.empty() || row[0] == '#' || fields[0] == "round-trip") continue;
    fields.resize(4);  // an empty last field
    const Answer answer = Identify({UnescapeBytes(fields[1])});
    ASSERT_EQ(answer.lines.size(), 1u) << row;
    const Json& json = answer.lines.front();
    EXPECT_LE(json["suggestions"].size(), 5u) << row;
    EXPECT_EQ(json["suggestions"].size(), json["reasons"].size()) << row;
    if (fields[0] == "reads") {
      EXPECT_EQ(Joined(json["readings"], Described), fields[2]) << row;
    } else if (fields[0] == "suggests") {
      EXPECT_EQ(Joined(json["suggestions"], [](const Json& s) { return s.get<std::string>(); }),
                fields[2])
          << row;
    } else if (fields[0] == "corrects") {
      EXPECT_EQ(answer.status, 1) << row;
      EXPECT_TRUE(json["readings"].empty()) << row;
      ASSERT_FALSE(json["suggestions"].empty()) << row;
      EXPECT_EQ(json["suggestions"][0], fields[2]) << row;
      EXPECT_EQ(json["reasons"][0], fields[3]) << row;
    } else {
      EXPECT_EQ(answer.status, std::stoi(fields[2])) << row;
      EXPECT_TRUE(json["readings"].empty()) << row;
    }
  }
}

TEST(Identify, EveryFormOfTheseVerbsReadsBackToItsVerb) {
  std::istringstream rows(ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/identify_forms.tsv"));
  FormLookup lookup(EmbeddedFormIndex());
  FullParadigm paradigm;
  for (std::string row; std::getline(rows, row);) {
    const auto fields = SplitAt(row, '\t');
    if (fields[0] != "round-trip") continue;
    int forms = 0;
    ForEachForm(paradigm, U32(fields[1]), [&](const VerbForm& form) {
      ++forms;
      const Text text = TextOf(form);
      const auto& readings = lookup.Identify(text).readings;
      const bool found = std::ranges::any_of(readings, [&](const FormReading& reading) {
        // The window's Imperativo is read as the Imperativo afirmativo it equals.
        const bool same_form =
            reading.name == form.name ||
            (form.name == "imperativo" && reading.name == "imperativo-afirmativo");
        return reading.verb == fields[1] && same_form && reading.person == Utf8(form.person) &&
               reading.stem == Utf8(form.stem) && reading.ending == Utf8(form.ending) &&
               reading.in_lexicon == (fields[2] == "yes");
      });
      EXPECT_TRUE(found) << fields[1] << ": " << Utf8(text) << " (" << form.name << ")";
    });
    EXPECT_GE(forms, 59) << fields[1];
  }
}

TEST(Identify, RunningTextGivesEachFormItsPlaceAndCountsTheOtherWords) {
  std::istringstream rows(ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/identify_text.tsv"));
  Answer answer;
  std::size_t next = 0;
  std::string text;
  for (std::string row; std::getline(rows, row);) {
    const auto fields = SplitAt(row, '\t');
    if (row.empty() || row[0] == '#') continue;
    if (fields[0] == "text") {
      text = UnescapeBytes(fields[1]);
      answer = Identify({}, text, true);
      next = 0;
      continue;
    }
    ASSERT_LT(next, answer.lines.size()) << row;
    const Json& found = answer.lines[next++];
    if (fields[0] == "skips") {
      EXPECT_EQ(found["skipped_words"], std::stoi(fields[1])) << row;
      EXPECT_EQ(next, answer.lines.size()) << text;
      continue;
    }
    const std::string place =
        std::to_string(found["line"].get<int>()) + ":" + std::to_string(found["column"].get<int>());
    const std::string span =
        std::to_string(found["start"].get<int>()) + "-" + std::to_string(found["end"].get<int>());
    EXPECT_EQ(place, fields[1]) << row;
    EXPECT_EQ(found["form"], UnescapeBytes(fields[2])) << row;
    EXPECT_EQ(span, fields[3]) << row;
    EXPECT_EQ(Joined(found["readings"], [](const Json& r) { return r["verb"].get<std::string>(); }),
              fields[4])
        << row;
  }
}

TEST(Identify, StandardInputGivesOneLinePerFormInOrderAndTheWorstStatus) {
  const Answer answer = Identify({"-", "vino"}, "fui\r\nxyz\n" + std::string(100000, 'a') + "\n");
  ASSERT_EQ(answer.lines.size(), 4u);
  EXPECT_EQ(answer.lines[0]["readings"].size(), 2u);
  EXPECT_EQ(answer.lines[1]["form"], "xyz");
  EXPECT_TRUE(answer.lines[2].contains("error"));
  EXPECT_EQ(answer.lines[3]["readings"][0]["verb"], "venir");
  EXPECT_EQ(answer.status, 2);
}

}  // namespace
}  // namespace flexoria::testing
