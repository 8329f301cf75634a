// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling and sound rules, applied to the regular values of a verb and
// read back through the writers, as a verb outside both catalogues sees them.
#include "core/spelling_adjustments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/regular_values.h"
#include "engine/form_table.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

// Conjugates `entry` (as typed) with the regular values and the spelling
// rules only, and returns the lines "stem+ending" of the view of `option`.
std::vector<std::string> Spelled(const std::string& entry, int option) {
  const Text typed = U32(entry);
  ConjugationState state;
  const auto first = typed.find_first_not_of(U' ');
  state.Verb = typed.substr(first == Text::npos ? typed.size() : first);
  FillRegularValues(state, typed);
  ApplySpellingAdjustments(state, typed);
  FormCells cells;
  WriterFor(FormForOption(option), state, typed)(state, typed, cells);
  return ListedLines(SplitCells(cells), option);
}

// Respelled consonants (buscar, conocer, coger, distinguir), the -ducir
// preterite, y-forms (leer, construir), i-less endings (gruñir, bullir), the
// final u of -uar verbs, and the untouched -ír verbs.
TEST(Spelling, FormsOfVerbsOutsideTheCatalogues) {
  const auto rows = ReadFormRows("spelling_forms.tsv");
  EXPECT_EQ(rows.size(), 41u);
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.group + ": \"" + row.entry + "\", option " + std::to_string(row.option));
    EXPECT_EQ(Spelled(row.entry, row.option), row.lines);
  }
}

}  // namespace
}  // namespace flexoria::testing
