// SPDX-License-Identifier: GPL-3.0-or-later
// The form index on a handful of words (tests/data/form_index_words.tsv):
// the bare automaton built from sorted strings and refusing unsorted ones,
// an index of a few verbs read back and walked without accents, and a
// block that does not hold together refused rather than read.
#include "lookup/form_index.h"

#include <gtest/gtest.h>

#include <map>

#include "lookup/form_index_builder.h"
#include "lookup/form_index_check.h"
#include "test_support.h"

namespace flexoria {
namespace {

using testing::SplitAt;

struct WordsFile {
  std::vector<std::string> words;
  std::vector<IndexedVerb> verbs;
  std::vector<Text> verb_texts;
  std::vector<std::vector<std::string>> rows;  // has, unsorted, reads, accented, spellings
};

const WordsFile& Words() {
  static const WordsFile file = [] {
    WordsFile read;
    const std::string text =
        testing::ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/form_index_words.tsv");
    for (const std::string& line : SplitAt(text, '\n')) {
      if (line.empty() || line.front() == '#') continue;
      std::vector<std::string> fields = SplitAt(line, '\t');
      if (fields.size() < 5) fields.resize(5);
      if (fields[0] == "word") {
        read.words.push_back(fields[1]);
      } else if (fields[0] == "verb") {
        read.verb_texts.push_back(testing::U32(fields[1]));
      } else {
        read.rows.push_back(std::move(fields));
      }
    }
    for (const Text& verb : read.verb_texts) read.verbs.push_back({verb, true});
    return read;
  }();
  return file;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "|") + part;
  return joined;
}

TEST(FormIndex, TheAutomatonHoldsItsWordsAndRefusesUnsortedOnes) {
  AutomatonBuilder builder;
  for (const std::string& word : Words().words) ASSERT_TRUE(builder.Add(word)) << word;
  const std::vector<std::uint8_t> block = builder.Finish();
  const Automaton automaton(block);
  ASSERT_FALSE(automaton.empty());
  for (const auto& row : Words().rows) {
    if (row[0] == "has") {
      const std::uint32_t state = automaton.Walk(automaton.root(), row[1]);
      const bool held = state != Automaton::kNoState && automaton.IsFinal(state);
      EXPECT_EQ(held ? "yes" : "no", row[2]) << row[1];
    } else if (row[0] == "unsorted") {
      AutomatonBuilder unsorted;
      std::size_t refused = 0;
      const std::vector<std::string> strings = SplitAt(row[1], '|');
      for (std::size_t at = 0; at < strings.size() && refused == 0; ++at) {
        if (!unsorted.Add(strings[at])) refused = at + 1;
      }
      EXPECT_EQ(std::to_string(refused), row[2]) << row[1];
    }
  }
}

TEST(FormIndex, AFewVerbsReadBackAndAreFoundWithoutAccents) {
  const BuiltFormIndex built = BuildFormIndex(Words().verbs);
  ASSERT_TRUE(built.error.empty()) << built.error;
  const FormIndex index(built.block);
  ASSERT_FALSE(index.empty()) << index.error();
  std::vector<FormReading> readings;
  std::vector<std::string> accented;
  for (const auto& row : Words().rows) {
    if (row[0] == "reads") {
      readings.clear();
      index.AppendReadings(row[1], readings);
      std::vector<std::string> described;
      described.reserve(readings.size());
      for (const FormReading& reading : readings) {
        described.push_back(std::string(reading.verb) + " " + std::string(reading.name) + " " +
                            std::string(reading.person) + " " + std::string(reading.stem) + "+" +
                            std::string(reading.ending));
      }
      EXPECT_EQ(Joined(described), row[2]) << row[1];
    } else if (row[0] == "accented") {
      accented.clear();
      index.AppendAccented(row[1], accented);
      EXPECT_EQ(Joined(accented), row[2]) << row[1];
    } else if (row[0] == "spellings") {
      std::vector<std::string> spellings;
      std::vector<std::string> restored;
      index.AppendSpellings(row[1], row[2].front(), spellings, restored);
      EXPECT_EQ(Joined(spellings), row[3]) << row[1];
      EXPECT_EQ(Joined(restored), row[4]) << row[1];
    }
  }
}

// The generator's proof passes an index of its own verbs and names each
// form of a verb the index left out, and no other.
TEST(FormIndex, TheProofNamesTheFormsAnIndexLeavesOut) {
  const std::vector<IndexedVerb>& verbs = Words().verbs;
  const BuiltFormIndex whole = BuildFormIndex(verbs);
  const FormIndexCheck passed = CheckFormIndex(FormIndex(whole.block), verbs);
  EXPECT_GT(passed.forms, 0u);
  EXPECT_EQ(passed.problem_count, 0u) << Joined(passed.problems);

  const BuiltFormIndex without_last = BuildFormIndex(std::span(verbs).first(verbs.size() - 1));
  const FormIndexCheck failed = CheckFormIndex(FormIndex(without_last.block), verbs);
  EXPECT_EQ(failed.forms, passed.forms);
  ASSERT_GT(failed.problem_count, 0u);
  const std::string left_out = "\" of " + testing::Utf8(verbs.back().infinitive) + " misses its";
  for (const std::string& problem : failed.problems) {
    EXPECT_NE(problem.find(left_out), std::string::npos) << problem;
  }
}

// Every cut of the block and a byte changed at every place: each is either
// refused with a reason or still answers without reading outside the block
// (the sanitizers watch), never both empty and silent.
TEST(FormIndex, ADamagedBlockIsRefusedWithItsReason) {
  const BuiltFormIndex built = BuildFormIndex(Words().verbs);
  const std::vector<std::uint8_t>& block = built.block;
  std::vector<FormReading> readings;
  std::vector<FormReading> last_readings;
  std::vector<std::string> accented;
  const auto probe = [&](std::span<const std::uint8_t> bytes) {
    const FormIndex index(bytes);
    EXPECT_EQ(index.empty(), !index.error().empty());
    readings.clear();
    accented.clear();
    index.AppendReadings("cantábamos", readings);
    index.AppendComposed("no te laves", last_readings, readings);
    index.AppendAccented("cantabamos", accented);
    return index.empty();
  };
  for (std::size_t size = 0; size < block.size(); size += 7) {
    EXPECT_TRUE(probe(std::span(block).first(size))) << "cut at " << size;
  }
  std::vector<std::uint8_t> changed = block;
  std::size_t refused = 0;
  for (std::size_t at = 0; at < changed.size(); ++at) {
    changed[at] ^= 0x5A;
    refused += probe(changed) ? 1 : 0;
    changed[at] = block[at];
  }
  EXPECT_GT(refused, 0u);
  EXPECT_FALSE(probe(block));
}

}  // namespace
}  // namespace flexoria
