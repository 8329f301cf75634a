// The index must give the very entry that a walk over the whole catalogue
// gives, for every listed infinitive and for words no list holds.
#include <gtest/gtest.h>

#include "catalogues/irregular_entry.h"
#include "lexicon/word_lists.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

TEST(IrregularEntryIndex, AgreesWithTheWalkInOrder) {
  int matched = 0;
  auto check = [&](TextView verb) {
    const auto* expected = irregular::FirstMatchingEntryInOrder(verb);
    ASSERT_EQ(irregular::FirstMatchingEntry(verb), expected) << Utf8(verb);
    if (expected != nullptr) ++matched;
  };
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) check(word);
  }
  EXPECT_GT(matched, 400);  // the lexicon reaches a good share of the entries
  for (TextView odd : {U"", U"r", U"ir", U"ír", U"ver", U"ser", U"dar", U" ir", U"xir", U"Tener",
                       U"tener ", U"\U0010FFFFer"}) {
    check(odd);
  }
}

}  // namespace
}  // namespace flexoria::testing
