// The writers' special words and the display contract, on hand-made states
// so that they hold whatever the catalogues write.
#include "core/tense_writers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/regular_values.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;

ConjugationState Regular(const std::u32string& verb) {
  ConjugationState state;
  state.Verb = verb;
  FillRegularValues(state, verb);
  return state;
}

std::vector<std::string> Lines(TenseWriter writer, const ConjugationState& state, TextView entry) {
  Columns columns;
  writer(state, entry, columns);
  return SplitLines(columns.stems, columns.endings);
}

TEST(Writers, ColumnsStartWithALineBreakAndEndWithout) {
  Columns columns;
  WriteGerundErIr(Regular(U"comer"), U"comer", columns);
  EXPECT_EQ(columns.stems, U"\r\ncom");
  EXPECT_EQ(columns.endings, U"\r\niendo");
  // A writer replaces what was there.
  WriteFuture(Regular(U"amar"), U"amar", columns);
  EXPECT_EQ(Cells(columns.stems).size(), 6u);
  EXPECT_EQ(columns.stems.substr(0, 2), U"\r\n");
  EXPECT_NE(columns.stems.back(), U'\n');
}

TEST(Writers, SerAndHaberReplaceWholeCells) {
  ConjugationState ser = Regular(U"ser");
  ser.ImperfStem = U"XX";
  ser.PresStem1 = U"s";
  EXPECT_THAT(Lines(WriteImperfectErIr, ser, U"ser"),
              ElementsAre("XX+", "XX+s", "XX+", "éra+mos", "XX+is", "XX+n"));
  EXPECT_THAT(Lines(WritePresentEr, ser, U"ser"),
              ElementsAre("s+o", "er+es", "es+", "so+mos", "so+is", "so+n"));

  ConjugationState haber = Regular(U"haber");
  haber.PresStem1 = U"QQ";
  EXPECT_THAT(Lines(WritePresentEr, haber, U"haber"),
              ElementsAre("QQ+e", "QQ+as", "QQ+a", "QQ+emos", "hab+éis", "h+an"));
}

TEST(Writers, ImperativeFillersDifferByClass) {
  EXPECT_THAT(Lines(WriteImperativeAr, Regular(U"amar"), U"amar"),
              ElementsAre("   -   +      ", "am+a", "   -   +     ", "   -   +      ", "am+ad",
                          "   -   +     "));
  EXPECT_THAT(Lines(WriteImperativeEr, Regular(U"comer"), U"comer"),
              ElementsAre("   -   +     ", "com+e", "   -   +      ", "   -   +     ", "com+ed",
                          "   -   +      "));
}

TEST(Writers, SubjunctiveLinkOpensEveryEnding) {
  ConjugationState state = Regular(U"comer");
  const auto ra = Lines(WriteImperfSubj1ErIr, state, U"comer");
  EXPECT_EQ(ra[3], "com+iéramos");
  // The three past and future subjunctive views share their stems.
  auto stems = [&](TenseWriter writer) {
    Columns columns;
    writer(state, U"comer", columns);
    return columns.stems;
  };
  EXPECT_EQ(stems(WriteImperfSubj1ErIr), stems(WriteImperfSubj2ErIr));
  EXPECT_EQ(stems(WriteImperfSubj1ErIr), stems(WriteFutureSubjErIr));
  state.PastSubjLink.clear();
  EXPECT_THAT(Lines(WriteImperfSubj1ErIr, state, U"comer"),
              ElementsAre("com+era", "com+eras", "com+era", "com+éramos", "com+erais", "com+eran"));
}

}  // namespace
}  // namespace flexoria::testing
