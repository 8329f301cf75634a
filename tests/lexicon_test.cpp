#include "lexicon/lexicon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
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

struct ListFacts {
  const char* letters;
  std::size_t count;
  const char* first;
  const char* last;
};

// Written by hand rather than read from the words files, so that a slip in
// the data shows.
constexpr ListFacts kListFacts[] = {
    {"a", 868, "abadanar", "apalear"},
    {"a", 839, "apalpar", "azumagar"},
    {"b", 292, "babear", "burear"},
    {"c", 1116, "cabalar", "chuzar"},
    {"d", 771, "dactilografiar", "desenvelejar"},
    {"d", 794, "desenvendar", "dragonear"},
    {"e", 918, "eclesiastizar", "entender"},
    {"e", 818, "entenebrar", "expensar"},
    {"fg", 455, "fabricar", "gurrupear"},
    {"hij", 544, "haber", "jumentizar"},
    {"kl", 190, "kilometrar", "llorisquear"},
    {"mnño", 617, "macadamizar", "overear"},
    {"pq", 638, "pablar", "quiñar"},
    {"r", 811, "rabear", "ruñir"},
    {"s", 442, "sabatizar", "susunguear"},
    {"tuvxyz", 727, "tablear", "zuelear"},
};

TEST(WordLists, EachListHasItsLettersCountAndEnds) {
  const auto lists = WordLists();
  ASSERT_EQ(lists.size(), std::size(kListFacts));
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const WordList& list = lists[i];
    const ListFacts& facts = kListFacts[i];
    SCOPED_TRACE(list.name);
    EXPECT_EQ(Utf8(list.letters), facts.letters);
    ASSERT_EQ(list.words.size(), facts.count);
    EXPECT_EQ(Utf8(list.words.front()), facts.first);
    EXPECT_EQ(Utf8(list.words.back()), facts.last);
    std::vector<TextView> words(list.words.begin(), list.words.end());
    std::sort(words.begin(), words.end());
    EXPECT_TRUE(std::equal(words.begin(), words.end(), list.sorted.begin(), list.sorted.end()));
  }
}

TEST(WordLists, EveryWordIsAnInfinitiveOfItsGroup) {
  std::size_t places = 0;
  std::map<TextView, std::vector<std::string>> lists_of;
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) {
      ++places;
      lists_of[word].emplace_back(list.name);
      const TextView tail = LastChars(word, 2);
      EXPECT_TRUE(tail == U"ar" || tail == U"er" || tail == U"ir" || tail == U"ír") << Utf8(word);
      EXPECT_NE(tail, U"se") << Utf8(word);
      EXPECT_NE(list.letters.find(word.front()), TextView::npos) << Utf8(word);
    }
  }
  EXPECT_EQ(places, 10840u);
  EXPECT_EQ(lists_of.size(), 10836u);
  std::map<std::string, std::vector<std::string>> repeated;
  for (const auto& [word, names] : lists_of) {
    if (names.size() > 1) repeated[Utf8(word)] = names;
  }
  const std::vector<std::string> a_halves = {"a, first half", "a, second half"};
  EXPECT_EQ(repeated, (std::map<std::string, std::vector<std::string>>{
                          {"algaracear", a_halves},
                          {"antipatizar", a_halves},
                          {"anucar", a_halves},
                          {"encachar", {"e, first half", "e, second half"}}}));
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
  for (const char* entry : {"Amar", " amar", "wolfear", "wamar"}) {
    Desk desk;
    desk.Conjugate(entry, kPresente);
    EXPECT_THAT(desk.MessageTexts(), ElementsAre(kUnknownWord)) << entry;
    EXPECT_EQ(desk.State().Found, 0) << entry;
    desk.Conjugate(entry, kFuturo);
    EXPECT_THAT(desk.MessageTexts(), IsEmpty()) << entry;
  }
}

TEST(LexiconRequest, RepeatedListedVerbIsTestedOnce) {
  Desk desk;
  desk.Conjugate("tener", kPresente);
  EXPECT_THAT(desk.MessageTexts(), IsEmpty());
  desk.Conjugate("tener", kFuturo);
  EXPECT_THAT(desk.MessageTexts(), IsEmpty());
  EXPECT_EQ(desk.State().Found, 1);
  EXPECT_EQ(desk.session.last_verb(), U"tener");
}

}  // namespace
}  // namespace flexoria::testing
