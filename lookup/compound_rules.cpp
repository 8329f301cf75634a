// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/compound_rules.h"

#include <algorithm>

#include "engine/form_table.h"
#include "lookup/form_enumeration.h"

namespace flexoria {
namespace {

// The window's options of the forms that end a compound tense and a
// negative imperative.
constexpr int kParticipleOption = 11;
constexpr int kSubjunctivePresentOption = 5;

}  // namespace

std::vector<CompoundRule> DeclaredCompoundRules(FullParadigm& paradigm) {
  std::vector<CompoundRule> rules;
  const std::span<const FormSpec> forms = FullParadigmForms();
  const auto form_of_option = [&](int option) {
    return static_cast<std::size_t>(&FormForOption(option) - forms.data());
  };
  for (const TextView verb : {TextView(U"amar"), TextView(U"amarse")}) {
    const FullParadigmResult& result = paradigm.Conjugate(verb, true);
    for (const FullForm& shown : result.Forms()) {
      const FormSpec& spec = *shown.form;
      const auto form = static_cast<std::size_t>(&spec - forms.data());
      for (const FullRow& row : shown.Rows()) {
        const std::size_t blank = row.text.rfind(U' ');
        if (blank == Text::npos) continue;
        std::uint32_t last_label = FormLabel(form, row.person);
        if (spec.composition == Composition::kCompound) {
          last_label = FormLabel(form_of_option(kParticipleOption), kNoPerson);
        } else if (spec.composition == Composition::kImperativeNegative) {
          last_label = FormLabel(form_of_option(kSubjunctivePresentOption), row.person);
        }
        rules.push_back({EncodeUtf8(TextView(row.text).substr(0, blank)), last_label,
                         FormLabel(form, row.person), result.pronominal});
      }
    }
  }
  std::ranges::sort(rules);
  rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
  return rules;
}

}  // namespace flexoria
