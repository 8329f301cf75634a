// SPDX-License-Identifier: GPL-3.0-or-later
// Which entry answers a verb: the earlier of two matching entries, and the
// same through the index as through a walk over the whole catalogue.
#include "catalogues/irregular_catalogue.h"

#include <gtest/gtest.h>

#include "catalogues/irregular_entry.h"
#include "core/match_kind.h"
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

// Where two tests would both match, the earlier entry answers; 0: none does.
struct Overlap {
  const char* verb;
  int entry;
};

constexpr Overlap kOverlaps[] = {
    {"oler", 43},       {"doler", 18},      {"hendir", 37},      {"rendir", 23},
    {"roer", 53},       {"corroer", 53},    {"decir", 13},       {"maldecir", 13},
    {"bendecir", 13},   {"predecir", 13},   {"ver", 70},         {"prever", 70},
    {"criar", 77},      {"guiar", 77},      {"fotografiar", 77}, {"enfriar", 78},
    {"repatriar", 78},  {"cambiar", 0},     {"estudiar", 0},     {"amar", 0},
    {"Tener", 0},       {"tener", 65},      {"andar", 2},        {"desandar", 2},
    {"mandar", 0},      {"demandar", 0},    {"comandar", 0},     {"agrandar", 0},
    {"ablandar", 0},    {"romper", 75},     {"corromper", 0},    {"pedir", 44},
    {"agredir", 0},     {"transgredir", 0}, {"trasgredir", 0},   {"entender", 64},
    {"pretender", 0},   {"abrir", 76},      {"desabrir", 0},     {"entreabrir", 76},
    {"satisfacer", 56}, {"hacer", 34},      {"traer", 67},       {"raer", 51},
    {"caer", 8},        {"saber", 54},      {"caber", 7},        {"poder", 47},
    {"podrir", 48},     {"sonreír", 52},    {"desoír", 42},      {"volver", 71},
    {"mover", 41},      {"servir", 28},     {"hervir", 58},      {"erguir", 29},
    {"seguir", 57},     {"convertir", 60},  {"preferir", 59},    {"sentir", 21},
    {"ir", 39},         {"ser", 61},        {"vaciar", 78},      {"averiguar", 0},
    {"pudrir", 48},     {"repudrir", 84},   {"dar", 12},
};

TEST(IrregularCatalogue, TheEarlierEntryAnswers) {
  for (const Overlap& overlap : kOverlaps) {
    SCOPED_TRACE(overlap.verb);
    const auto* entry = irregular::FirstMatchingEntry(U32(overlap.verb));
    EXPECT_EQ(entry == nullptr ? 0 : entry->number, overlap.entry);

    ConjugationState state;
    state.Verb = U32(overlap.verb);
    EXPECT_EQ(ApplyIrregularCatalogue(state, state.Verb),
              overlap.entry == 0 ? kNoIrregularEntry : kMatchCleared);
  }
}

}  // namespace
}  // namespace flexoria::testing
