#include "catalogues/irregular_catalogue.h"

#include <algorithm>

#include "catalogues/irregular_entries.h"
#include "engine/match_kind.h"

namespace flexoria {
namespace irregular {

bool Matches(const VerbTest& test, TextView verb) {
  const auto is_listed = [verb](std::span<const TextView> words) {
    return std::find(words.begin(), words.end(), verb) != words.end();
  };
  switch (test.kind) {
    case TestKind::kWord:
      return verb == test.text;
    case TestKind::kOneOfWords:
      return is_listed(test.words);
    case TestKind::kTail:
      return EndsWith(verb, test.text);
    case TestKind::kTailExcept:
      return EndsWith(verb, test.text) && !is_listed(test.words);
    case TestKind::kWordList:
      return EndsWith(verb, test.text) &&
             (is_listed(test.words) ||
              std::any_of(test.tails.begin(), test.tails.end(),
                          [verb](TextView tail) { return EndsWith(verb, tail); }));
  }
  return false;
}

namespace {

void Write(Text& slot, const SlotValue& value, TextView prefix) {
  switch (value.shape) {
    case ValueShape::kLiteral:
      slot.assign(value.text);
      return;
    case ValueShape::kPrefixed:
      Assign(slot, prefix, value.text);
      return;
    case ValueShape::kPrefixTwice:
      Assign(slot, value.opening, prefix);
      slot.append(value.text);
      slot.append(prefix);
      return;
  }
}

void ApplyAll(std::span<const Assignment> assignments, TextView prefix, ConjugationState& state) {
  for (const Assignment& assignment : assignments) {
    Write(state.*assignment.slot, assignment.value, prefix);
  }
}

TextView PrefixFor(const CatalogueEntry& entry, TextView verb, TextView entry_text) {
  if (!entry.empty_prefix_verb.empty() && verb == entry.empty_prefix_verb) return {};
  return StemPrefix(entry_text, entry.cut);
}

}  // namespace
}  // namespace irregular

using irregular::ApplyAll;
using irregular::CatalogueEntry;
using irregular::kIrregularEntries;
using irregular::Matches;
using irregular::PrefixFor;
using irregular::SubEntry;

void ApplyIrregularCatalogue(ConjugationState& state, TextView entry_text, int& match_kind) {
  const TextView verb = state.Verb;
  for (const CatalogueEntry& entry : kIrregularEntries) {
    if (!Matches(entry.test, verb)) continue;
    const TextView prefix = PrefixFor(entry, verb, entry_text);
    ApplyAll(entry.assignments, prefix, state);
    for (const SubEntry& sub : entry.sub_entries) {
      if (Matches(sub.test, verb)) ApplyAll(sub.assignments, prefix, state);
    }
    return;
  }
  match_kind = kNoIrregularEntry;
}

}  // namespace flexoria
