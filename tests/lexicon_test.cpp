// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/lexicon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "lexicon/word_lists.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kUnknownWord[] =
    "Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su conjugación será "
    "como sigue.";

// The lookup searches sorted copies: they must hold the very words of the lists.
TEST(WordLists, SortedCopiesHoldTheListsWords) {
  for (const WordList& list : WordLists()) {
    std::vector<TextView> words(list.words.begin(), list.words.end());
    std::sort(words.begin(), words.end(), SearchOrder);
    EXPECT_TRUE(std::ranges::equal(words, list.sorted)) << list.name;
  }
}

TEST(WordLists, EveryWordIsAnInfinitiveOfItsGroup) {
  std::set<TextView> distinct;
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) {
      distinct.insert(word);
      const TextView tail = LastChars(word, 2);
      EXPECT_TRUE(tail == U"ar" || tail == U"er" || tail == U"ir" || tail == U"ír") << Utf8(word);
      EXPECT_NE(tail, U"se") << Utf8(word);
      EXPECT_NE(list.letters.find(word.front()), TextView::npos) << Utf8(word);
    }
  }
  EXPECT_EQ(distinct.size(), 12349u);
}

// The words that an entry starting with each character may be, from the
// lists in their own order rather than from the lookup's sorted copies.
std::map<char32_t, std::set<TextView>> WordsByFirstCharacter() {
  std::map<char32_t, std::set<TextView>> words_by_first;
  for (const WordList& list : WordLists()) {
    for (char32_t letter : list.letters) {
      words_by_first[letter].insert(list.words.begin(), list.words.end());
    }
  }
  return words_by_first;
}

TEST(Lexicon, AnswersAsTheListsInTheirOwnOrder) {
  const auto words_by_first = WordsByFirstCharacter();
  EXPECT_EQ(words_by_first.size(), 26u);  // a to z and ñ, without w
  EXPECT_FALSE(words_by_first.contains(U'w'));
  // Every word, and every word with another first character: listed words
  // of other groups turn up among them ("adiar" as "odiar", "aducir" as "educir").
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) {
      for (char32_t first : TextView(U"abcdefghijklmnñopqrstuvwxyzAÑá 1")) {
        Text probe = first + Text(word.substr(1));
        const auto group = words_by_first.find(first);
        const bool listed = group != words_by_first.end() && group->second.contains(probe);
        ASSERT_EQ(IsInLexicon(probe, probe), listed) << Utf8(probe);
      }
    }
  }
}

TEST(Lexicon, OnlyTheFirstCharacterAsTypedChoosesTheList) {
  EXPECT_TRUE(IsInLexicon(U"amar", U"amar"));
  for (TextView entry : {U"Amar", U" amar", U"wamar", U"ámar", U"1amar", U""}) {
    EXPECT_FALSE(IsInLexicon(U"amar", entry)) << Utf8(entry);
  }
  EXPECT_FALSE(IsInLexicon(U"amar", U"bamar"));  // the list of b has no "amar"
}

TEST(LexiconRequest, ListedVerbsAreNotAnnounced) {
  for (const char* verb : {"amar", "azumagar", "apalpar", "ir", "ñoñear", "llorisquear"}) {
    Desk desk;
    desk.Conjugate(verb);
    EXPECT_THAT(desk.MessageTexts(), IsEmpty()) << verb;
    EXPECT_EQ(desk.State().Found, 1) << verb;
  }
}

TEST(LexiconRequest, UnlistedWordIsAnnouncedOnlyOnItsFirstRequest) {
  for (const char* entry : {"wolfear", "Wolfear ", "wamar"}) {
    Desk desk;
    desk.Conjugate(entry, kPresente);
    EXPECT_THAT(desk.MessageTexts(), ElementsAre(kUnknownWord)) << entry;
    EXPECT_EQ(desk.State().Found, 0) << entry;
    desk.Conjugate(entry, kFuturo);
    EXPECT_THAT(desk.MessageTexts(), IsEmpty()) << entry;
  }
}

// The verbs the lists gained, the misspellings they lost, and a word that
// no dictionary has, from tests/data/lexicon_words.tsv.
TEST(LexiconRequest, ListsHoldTheDictionarysWordsAndNoMisspellings) {
  std::istringstream rows(ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/lexicon_words.tsv"));
  for (std::string row; std::getline(rows, row);) {
    if (row.empty() || row[0] == '#') continue;
    const auto fields = SplitAt(row, '\t');
    ASSERT_EQ(fields.size(), 2u) << row;
    const Text word = U32(fields[1]);
    EXPECT_EQ(IsInLexicon(word, word), fields[0] == "listed") << row;
  }
}

}  // namespace
}  // namespace flexoria::testing
