#include "lookup/compound_rules.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/form_table.h"
#include "lookup/form_enumeration.h"

namespace flexoria {
namespace {

// The window's options of the forms that end a compound tense and a
// negative imperative.
constexpr int kParticipleOption = 11;
constexpr int kSubjunctivePresentOption = 5;

// A form as a rule would give it, comparable with the verb's own.
std::string FormKey(std::string_view text, std::uint32_t label, bool pronominal, unsigned stem,
                    unsigned ending) {
  std::string key(text);
  key += '\t';
  for (const unsigned part : {label & 0xFF, label >> 8, pronominal ? 1u : 0u, stem, ending}) {
    key += static_cast<char>(part);
  }
  return key;
}

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

RuleFit FitCompoundRules(const VerbWords& verb, const std::vector<CompoundRule>& rules) {
  std::unordered_set<std::string> own;
  for (const SeveralWords& form : verb.several) {
    own.insert(FormKey(form.text, form.label, form.pronominal, form.stem, form.ending));
  }
  std::unordered_multimap<std::uint32_t, const CompoundRule*> by_last;
  for (const CompoundRule& rule : rules) by_last.emplace(rule.last_label, &rule);
  std::set<std::pair<std::uint32_t, bool>> blocked;
  std::vector<std::pair<std::string, std::pair<std::uint32_t, bool>>> given;
  for (const SingleWord& word : verb.single) {
    const auto [first, last] = by_last.equal_range(word.label);
    for (auto at = first; at != last; ++at) {
      const CompoundRule& rule = *at->second;
      std::string key = FormKey(rule.prefix + " " + word.text, rule.label, rule.pronominal,
                                word.stem, word.ending);
      if (!own.contains(key)) blocked.insert({rule.label, rule.pronominal});
      given.emplace_back(std::move(key), std::pair{rule.label, rule.pronominal});
    }
  }
  std::unordered_set<std::string> covered;
  for (auto& [key, target] : given) {
    if (!blocked.contains(target)) covered.insert(std::move(key));
  }
  RuleFit fit;
  fit.blocked.assign(blocked.begin(), blocked.end());
  for (const SeveralWords& form : verb.several) {
    if (!covered.contains(
            FormKey(form.text, form.label, form.pronominal, form.stem, form.ending))) {
      fit.exceptions.push_back(&form);
    }
  }
  return fit;
}

}  // namespace flexoria
