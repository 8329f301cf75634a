// SPDX-License-Identifier: GPL-3.0-or-later
// Irregular verbs through the real request, from the entry to the columns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "catalogues/irregular_entries.h"
#include "catalogues/irregular_entry.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

TEST(IrregularRequest, TenerFromEntryToColumns) {
  Desk desk;
  desk.Conjugate("tener", kPresente);
  EXPECT_EQ(desk.ui.title(), U"Presente de Indicativo");
  EXPECT_EQ(desk.ui.persons(), U"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3");
  EXPECT_EQ(desk.ui.stems(), U"\r\nteng\r\ntien\r\ntien\r\nten\r\nten\r\ntien");
  EXPECT_EQ(desk.ui.endings(), U"\r\no\r\nes\r\ne\r\nemos\r\néis\r\nen");
  EXPECT_TRUE(desk.ui.endings_red());
}

// Runs every row of a forms file and returns the catalogue entries that
// answered for its verbs.
std::set<int> ExpectFormsShown(const std::string& file_name) {
  Desk desk;
  std::set<int> entries_shown;
  for (const FormRow& row : ReadFormRows(file_name)) {
    SCOPED_TRACE(file_name + ", " + row.group + ": \"" + row.entry + "\", option " +
                 std::to_string(row.option));
    desk.Conjugate(row.entry, row.option);
    EXPECT_EQ(ListedLines(desk.Split(), row.option), row.lines);
    const auto* entry = irregular::FirstMatchingEntry(desk.State().Verb);
    if (entry != nullptr) entries_shown.insert(entry->number);
  }
  return entries_shown;
}

// Strong and suppletive verbs, stem changes, written accents, participles,
// and the regular verbs that merely share a tail with an irregular family;
// then the accents, stem changes and diaeresis that the first catalogues
// missed, with the plain verbs that keep their forms. Between them every
// catalogue entry answers for some verb.
TEST(IrregularRequest, FormsShownForEachVerb) {
  std::set<int> entries_shown = ExpectFormsShown("irregular_forms.tsv");
  entries_shown.merge(ExpectFormsShown("sound_spanish_forms.tsv"));
  for (const auto& entry : irregular::kIrregularEntries) {
    EXPECT_TRUE(entries_shown.contains(entry.number)) << "entry " << entry.number;
  }
}

}  // namespace
}  // namespace flexoria::testing
