// SPDX-License-Identifier: GPL-3.0-or-later
// The writers' special words and the display contract, on hand-made states
// so that they hold whatever the catalogues write.
#include "core/tense_writers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/monosyllable_accents.h"
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
  FormCells cells;
  writer(state, entry, cells);
  return SplitCells(cells);
}

TEST(Writers, ColumnsStartWithALineBreakAndEndWithout) {
  const ConjugationState amar = Regular(U"amar");
  const ConjugationState comer = Regular(U"comer");
  FormCells cells;
  WriteFuture(amar, U"amar", cells);
  // A writer replaces what was there.
  WriteGerundErIr(comer, U"comer", cells);
  Text column = U"old";
  JoinColumn(cells.endings, cells.count, kLineBreak, column);
  EXPECT_EQ(column, U"\r\niendo");
  WriteFuture(amar, U"amar", cells);
  JoinColumn(cells.stems, cells.count, kLineBreak, column);
  EXPECT_EQ(column, U"\r\namar\r\namar\r\namar\r\namar\r\namar\r\namar");
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
    FormCells cells;
    writer(state, U"comer", cells);
    return cells.stems;
  };
  EXPECT_EQ(stems(WriteImperfSubj1ErIr), stems(WriteImperfSubj2ErIr));
  EXPECT_EQ(stems(WriteImperfSubj1ErIr), stems(WriteFutureSubjErIr));
  state.PastSubjLink.clear();
  EXPECT_THAT(Lines(WriteImperfSubj1ErIr, state, U"comer"),
              ElementsAre("com+era", "com+eras", "com+era", "com+éramos", "com+erais", "com+eran"));
}

// The cells view the state and the writers' literals: a rule that changes
// a cell (fié: fie) changes the cells' own copy, and writing the form again
// gives what the writer gave the first time.
TEST(Cells, ARuleChangesTheCellsNotWhatTheyView) {
  const ConjugationState fiar = Regular(U"fiar");
  FormCells cells;
  WritePreteriteAr(fiar, U"fiar", cells);
  const std::vector<std::string> written = SplitCells(cells);
  DropMonosyllableAccents(cells);
  EXPECT_NE(SplitCells(cells), written);
  FormCells again;
  WritePreteriteAr(fiar, U"fiar", again);
  EXPECT_EQ(SplitCells(again), written);
  // A form given whole, with its accent in the stem.
  FormCells whole;
  whole.SetOne(U"lió", U"");
  DropMonosyllableAccents(whole);
  EXPECT_EQ(SplitCells(whole)[0], "lio+");
}

// What keeps cells past their state keeps a copy, linked endings included.
TEST(Cells, KeptCellsOutliveTheStateTheCellsView) {
  KeptCells kept;
  std::vector<std::string> written;
  {
    const ConjugationState comer = Regular(U"comer");
    FormCells cells;
    WriteImperfSubj1ErIr(comer, U"comer", cells);
    written = SplitCells(cells);
    kept.Keep(cells);
  }
  EXPECT_EQ(SplitCells(kept), written);
}

}  // namespace
}  // namespace flexoria::testing
