// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/irregular_catalogue.h"

#include <algorithm>

#include "catalogues/irregular_entries.h"
#include "catalogues/irregular_entry_index.h"
#include "core/match_kind.h"

namespace flexoria {
namespace irregular {

namespace {

// Compared from the last character backwards and inline: verbs and tails
// share their final "r", so a mismatch shows within a character or two, and
// every request runs this for most of the entries.
bool HasTail(TextView verb, TextView tail) {
  if (verb.size() < tail.size()) return false;
  const std::size_t offset = verb.size() - tail.size();
  for (std::size_t i = tail.size(); i-- > 0;) {
    if (verb[offset + i] != tail[i]) return false;
  }
  return true;
}

}  // namespace

bool Matches(const VerbTest& test, TextView verb) {
  if (!HasTail(verb, test.tail)) return false;
  switch (test.kind) {
    case TestKind::kWord:
      return verb.size() == test.tail.size();
    case TestKind::kOneOfWords:
      return IsOneOf(verb, test.words);
    case TestKind::kTail:
      return true;
    case TestKind::kTailExcept:
      return !IsOneOf(verb, test.words);
    case TestKind::kWordList:
      return IsOneOf(verb, test.words) ||
             std::any_of(test.tails.begin(), test.tails.end(),
                         [verb](TextView tail) { return HasTail(verb, tail); });
  }
  return false;
}

const CatalogueEntry* FirstMatchingEntryInOrder(TextView verb) {
  for (const CatalogueEntry& entry : kIrregularEntries) {
    if (Matches(entry.test, verb)) return &entry;
  }
  return nullptr;
}

const CatalogueEntry* FirstMatchingEntry(TextView verb) {
  static const EntryIndex index(kIrregularEntries);
  for (const CatalogueEntry* entry : index.Candidates(verb)) {
    if (Matches(entry->test, verb)) return entry;
  }
  return nullptr;
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
    state.HoldsNotation = state.HoldsNotation || assignment.value.notation;
  }
}

// Cut from the entry as typed, so leading blanks stay in front of every stem.
TextView PrefixFor(const CatalogueEntry& entry, TextView verb, TextView entry_text) {
  if (!entry.empty_prefix_verb.empty() && verb == entry.empty_prefix_verb) return {};
  return StemPrefix(entry_text, entry.cut);
}

}  // namespace

void ApplyEntry(const CatalogueEntry& entry, ConjugationState& state, TextView entry_text) {
  const TextView verb = state.Verb;
  const TextView prefix = PrefixFor(entry, verb, entry_text);
  ApplyAll(entry.assignments, prefix, state);
  for (const SubEntry& sub : entry.sub_entries) {
    if (Matches(sub.test, verb)) ApplyAll(sub.assignments, prefix, state);
  }
}

}  // namespace irregular

MatchKind ApplyIrregularCatalogue(ConjugationState& state, TextView entry_text) {
  const irregular::CatalogueEntry* entry = irregular::FirstMatchingEntry(state.Verb);
  if (entry == nullptr) return kNoIrregularEntry;
  irregular::ApplyEntry(*entry, state, entry_text);
  return kMatchCleared;
}

}  // namespace flexoria
