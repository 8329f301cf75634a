#include "catalogues/stem_change.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/match_kind.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;

// The stems a request leaves in the seven slots the catalogue may write.
struct StemCase {
  const char* entry;
  const char* stressed;             // PresStem1, PresStem236, ImperStem
  const char* stressed_before_e;    // SubjStem26, SubjStem13
  const char* unstressed_before_e;  // SubjStem45, PretStem1
};

class StemChangeRequest : public ::testing::TestWithParam<StemCase> {};

TEST_P(StemChangeRequest, WritesTheChangingStemsOnly) {
  const StemCase& c = GetParam();
  Desk desk;
  const ConjugationState& s = desk.Conjugate(c.entry).State();
  EXPECT_EQ(Utf8(s.PresStem1), c.stressed);
  EXPECT_EQ(Utf8(s.PresStem236), c.stressed);
  EXPECT_EQ(Utf8(s.ImperStem), c.stressed);
  EXPECT_EQ(Utf8(s.SubjStem26), c.stressed_before_e);
  EXPECT_EQ(Utf8(s.SubjStem13), c.stressed_before_e);
  EXPECT_EQ(Utf8(s.SubjStem45), c.unstressed_before_e);
  EXPECT_EQ(Utf8(s.PretStem1), c.unstressed_before_e);
  for (TextSlot untouched :
       {&ConjugationState::ImperfStem, &ConjugationState::PretStem245, &ConjugationState::PretStem3,
        &ConjugationState::PretStem6, &ConjugationState::PastSubjStem,
        &ConjugationState::GerundStem, &ConjugationState::ParticipleStem}) {
    EXPECT_EQ(s.*untouched, s.Stem);
  }
}

INSTANTIATE_TEST_SUITE_P(
    SingleForm, StemChangeRequest,
    ::testing::Values(StemCase{"pensar", "piens", "piens", "pens"},
                      StemCase{"helar", "hiel", "hiel", "hel"},
                      StemCase{"ensangrentar", "ensangrient", "ensangrient", "ensangrent"},
                      StemCase{"adestrar", "adiestr", "adiestr", "adestr"},
                      StemCase{"contar", "cuent", "cuent", "cont"},
                      StemCase{"encontrar", "encuentr", "encuentr", "encontr"},
                      StemCase{"soñar", "sueñ", "sueñ", "soñ"},
                      StemCase{"abuñolar", "abuñuel", "abuñuel", "abuñol"},
                      StemCase{"agorar", "agüer", "agüer", "agor"},
                      StemCase{"aislar", "aísl", "aísl", "aisl"},
                      StemCase{"descafeinar", "descafeín", "descafeín", "descafein"},
                      StemCase{"rehusar", "rehús", "rehús", "rehus"},
                      StemCase{"barahustar", "barahúst", "barahúst", "barahust"},
                      StemCase{" pensar", " piens", " piens", " pens"}));

INSTANTIATE_TEST_SUITE_P(
    ThreeForm, StemChangeRequest,
    ::testing::Values(StemCase{"negar", "nieg", "niegu", "negu"},
                      StemCase{"derrengar", "derrieng", "derriengu", "derrengu"},
                      StemCase{"empezar", "empiez", "empiec", "empec"},
                      StemCase{"comenzar", "comienz", "comienc", "comenc"},
                      StemCase{"almorzar", "almuerz", "almuerc", "almorc"},
                      StemCase{"trocar", "truec", "truequ", "troqu"},
                      StemCase{"volcar", "vuelc", "vuelqu", "volqu"},
                      StemCase{"ahincar", "ahínc", "ahínqu", "ahinqu"},
                      StemCase{"cabrahigar", "cabrahíg", "cabrahígu", "cabrahigu"},
                      StemCase{" negar", " nieg", " niegu", " negu"}));

// Verbs that only end like listed ones, or differ in case, go on to the next
// steps: the regular stem, respelled by the spelling rules where needed.
INSTANTIATE_TEST_SUITE_P(
    NotListed, StemChangeRequest,
    ::testing::Values(StemCase{"intentar", "intent", "intent", "intent"},
                      StemCase{"presentar", "present", "present", "present"},
                      StemCase{"desacordar", "desacord", "desacord", "desacord"},
                      StemCase{"innovar", "innov", "innov", "innov"},
                      StemCase{"hilar", "hil", "hil", "hil"}, StemCase{"usar", "us", "us", "us"},
                      StemCase{"pagar", "pag", "pagu", "pagu"},
                      StemCase{"Pensar", "Pens", "Pens", "Pens"}));

TEST(StemChange, UnlistedVerbChangesNothing) {
  for (const char* verb : {"cantar", "Pensar", "intentar", "pensarr"}) {
    ConjugationState s;
    s.Verb = U32(verb);
    s.PresStem1 = U"regular";
    int match_kind = kMatchCleared;
    ApplyStemChange(s, s.Verb, match_kind);
    EXPECT_EQ(match_kind, kMatchCleared) << verb;
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
