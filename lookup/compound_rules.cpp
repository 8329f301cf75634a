#include "lookup/compound_rules.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace flexoria {
namespace {

struct Split {
  std::string_view prefix;
  std::string_view last;
};

Split SplitAtLastBlank(std::string_view text) {
  const auto blank = text.rfind(' ');
  return {text.substr(0, blank), text.substr(blank + 1)};
}

std::unordered_multimap<std::string_view, const SingleWord*> ByText(const VerbWords& verb) {
  std::unordered_multimap<std::string_view, const SingleWord*> by_text;
  for (const SingleWord& word : verb.single) by_text.emplace(word.text, &word);
  return by_text;
}

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

std::vector<CompoundRule> LearnCompoundRules(const std::vector<VerbWords>& verbs) {
  using Target = std::pair<std::uint32_t, bool>;
  using Source = std::pair<std::string, std::uint32_t>;
  std::map<Target, std::map<Source, std::size_t>> votes;
  for (const VerbWords& verb : verbs) {
    const auto by_text = ByText(verb);
    for (const SeveralWords& form : verb.several) {
      const Split split = SplitAtLastBlank(form.text);
      auto& tally = votes[{form.label, form.pronominal}];
      // A verb votes once for each reading of its last word.
      std::set<std::uint32_t> labels;
      const auto [first, last] = by_text.equal_range(split.last);
      for (auto at = first; at != last; ++at) labels.insert(at->second->label);
      for (const std::uint32_t label : labels) ++tally[{std::string(split.prefix), label}];
    }
  }
  std::vector<CompoundRule> rules;
  for (const auto& [target, tally] : votes) {
    const auto best = std::ranges::max_element(
        tally, [](const auto& a, const auto& b) { return a.second < b.second; });
    if (best == tally.end()) continue;
    rules.push_back({best->first.first, best->first.second, target.first, target.second});
  }
  std::ranges::sort(rules);
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
