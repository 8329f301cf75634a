// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/stem_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/match_kind.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;

// The stems a request leaves in the seven slots the catalogue may write;
// every other stem slot keeps the regular stem.
TEST(StemChange, StemsLeftByEachRequest) {
  const std::string rows = ReadFile(FLEXORIA_TEST_DATA_DIR "/stem_change_stems.tsv");
  int cases = 0;
  for (const std::string& row : SplitAt(rows, '\n')) {
    if (row.empty() || row[0] == '#') continue;
    const auto fields = SplitAt(row, '\t');
    ASSERT_EQ(fields.size(), 5u) << row;
    SCOPED_TRACE(fields[0] + ": \"" + fields[1] + "\"");
    Desk desk;
    const ConjugationState& s = desk.Conjugate(fields[1]).State();
    for (TextSlot slot : {&ConjugationState::PresStem1, &ConjugationState::PresStem236,
                          &ConjugationState::ImperStem}) {
      EXPECT_EQ(Utf8(s.*slot), fields[2]);
    }
    for (TextSlot slot : {&ConjugationState::SubjStem26, &ConjugationState::SubjStem13}) {
      EXPECT_EQ(Utf8(s.*slot), fields[3]);
    }
    for (TextSlot slot : {&ConjugationState::SubjStem45, &ConjugationState::PretStem1}) {
      EXPECT_EQ(Utf8(s.*slot), fields[4]);
    }
    for (TextSlot untouched : {&ConjugationState::ImperfStem, &ConjugationState::PretStem245,
                               &ConjugationState::PretStem3, &ConjugationState::PretStem6,
                               &ConjugationState::PastSubjStem, &ConjugationState::GerundStem,
                               &ConjugationState::ParticipleStem}) {
      EXPECT_EQ(s.*untouched, s.Stem);
    }
    ++cases;
  }
  EXPECT_EQ(cases, 32);
}

TEST(StemChange, UnlistedVerbChangesNothing) {
  for (const char* verb : {"cantar", "Pensar", "intentar", "pensarr"}) {
    ConjugationState s;
    s.Verb = U32(verb);
    s.PresStem1 = U"regular";
    EXPECT_EQ(ApplyStemChange(s, s.Verb), kMatchCleared) << verb;
    EXPECT_EQ(s.PresStem1, U"regular") << verb;
  }
}

TEST(StemChange, DisplayedForms) {
  Desk desk;
  EXPECT_THAT(desk.Conjugate("pensar", kPresente).Split(),
              ElementsAre("piens+o", "piens+as", "piens+a", "pens+amos", "pens+áis", "piens+an"));
  EXPECT_THAT(desk.Conjugate("pensar", kSubjPresente).Split(),
              ElementsAre("piens+e", "piens+es", "piens+e", "pens+emos", "pens+éis", "piens+en"));
  EXPECT_EQ(desk.Conjugate("pensar", kPerfecto).Split().front(), "pens+é");
  EXPECT_THAT(desk.Conjugate("negar", kSubjPresente).Split(),
              ElementsAre("niegu+e", "niegu+es", "niegu+e", "negu+emos", "negu+éis", "niegu+en"));
  EXPECT_EQ(desk.Conjugate("pagar", kPerfecto).Split().front(), "pagu+é");
}

}  // namespace
}  // namespace flexoria::testing
