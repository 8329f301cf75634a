// Irregular verbs through the real request, from the entry to the columns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

void ExpectFormsShown(const std::string& file_name, std::size_t row_count) {
  const auto rows = ReadFormRows(file_name);
  EXPECT_EQ(rows.size(), row_count);
  Desk desk;
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.group + ": \"" + row.entry + "\", option " + std::to_string(row.option));
    desk.Conjugate(row.entry, row.option);
    EXPECT_EQ(ListedLines(desk.Split(), row.option), row.lines);
  }
}

// Strong and suppletive verbs, stem changes, written accents, participles,
// and the regular verbs that merely share a tail with an irregular family.
TEST(IrregularRequest, FormsShownForEachVerb) { ExpectFormsShown("irregular_forms.tsv", 164u); }

// Accents, stem changes and diaeresis that the first catalogues missed, with
// the plain verbs that keep their forms.
TEST(IrregularRequest, SoundSpanishForms) { ExpectFormsShown("sound_spanish_forms.tsv", 225u); }

}  // namespace
}  // namespace flexoria::testing
