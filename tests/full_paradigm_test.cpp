// SPDX-License-Identifier: GPL-3.0-or-later
// The full paradigm: compound tenses, the whole imperative, vos and the
// pronominal verbs, against the Academy's tables.
#include "engine/full_paradigm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

std::vector<std::string> TextsOf(const FullForm& form, bool vos_only) {
  std::vector<std::string> texts;
  for (const FullRow& row : form.Rows()) {
    if (vos_only && row.person != kVos) continue;
    // "he imprimido / he impreso"; a form not in use in brackets.
    std::string text = Utf8(row.text);
    for (const TextView other : row.also) text += " / " + Utf8(other);
    texts.push_back(row.used ? text : "(" + text + ")");
  }
  return texts;
}

TEST(FullParadigm, FormsAsTheAcademyWritesThem) {
  const auto rows = ReadFormRows("full_paradigm_forms.tsv");
  EXPECT_EQ(rows.size(), 171u);
  FullParadigm paradigm;
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.group + ": " + row.entry + " " + std::string(row.form->name));
    const FullParadigmResult& result = paradigm.Conjugate(U32(row.entry), row.vos);
    ASSERT_TRUE(result.conjugated());
    const FullForm& form =
        result.forms[static_cast<std::size_t>(row.form - FullParadigmForms().data())];
    const std::vector<std::string> texts = TextsOf(form, row.vos);
    std::vector<std::string> expected = row.lines;
    for (std::size_t i = 0; i < expected.size() && i < texts.size(); ++i) {
      if (expected[i] == "*") expected[i] = texts[i];
    }
    EXPECT_EQ(texts, expected);
  }
}

// Rows view texts the paradigm keeps for them; a long entry after a short
// one must not leave any view on text that moved or was cut short.
TEST(FullParadigm, LongEntriesKeepEveryRowWhole) {
  FullParadigm paradigm;
  paradigm.Conjugate(U"amarse", true);
  Text stem;
  for (int i = 0; i < 1500; ++i) stem += U"ab";
  const FullParadigmResult& result = paradigm.Conjugate(stem + U"arse", true);
  ASSERT_TRUE(result.conjugated());
  for (const FullForm& form : result.Forms()) {
    if (form.form->clitic == CliticPlace::kJoinedAfter) continue;
    for (const FullRow& row : form.Rows()) {
      EXPECT_EQ(row.text.substr(row.ending_at - row.stem.size()),
                Text(row.stem) + Text(row.ending));
      EXPECT_EQ(row.text.substr(row.ending_at, row.ending_length), row.ending);
    }
  }
  const auto rows_of = [&result](std::string_view name) {
    for (const FullForm& form : result.Forms()) {
      if (form.form->name == name) return form.Rows();
    }
    return std::span<const FullRow>{};
  };
  EXPECT_EQ(rows_of("perfecto-compuesto")[0].text, U"me he " + stem + U"ado");
  EXPECT_EQ(rows_of("imperativo-negativo")[3].text, U"no nos " + stem + U"emos");
  EXPECT_EQ(rows_of("presente")[2].text, U"te " + stem + U"ás");
}

}  // namespace
}  // namespace flexoria::testing
