// The shape of one irregular-verb entry: how it recognises its verbs, how much
// of the entry it cuts off, and which slots it overwrites with what. Entries
// are constant data; one routine walks them (irregular_catalogue.cpp).
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "engine/conjugation_state.h"

namespace flexoria::irregular {

enum class TestKind : std::uint8_t {
  kWord,        // Verb is `text`
  kOneOfWords,  // Verb is one of `words`
  kTail,        // Verb ends with `text`, the tail alone included
  kTailExcept,  // Verb ends with `text` and is none of `words`
  kWordList,    // Verb ends with `text` and is one of `words` or ends with one of `tails`
};

struct VerbTest {
  TestKind kind;
  TextView text;
  std::span<const TextView> words;
  std::span<const TextView> tails;
};

constexpr VerbTest Word(TextView word) { return {TestKind::kWord, word, {}, {}}; }
constexpr VerbTest OneOf(std::span<const TextView> words) {
  return {TestKind::kOneOfWords, {}, words, {}};
}
constexpr VerbTest Tail(TextView tail) { return {TestKind::kTail, tail, {}, {}}; }
constexpr VerbTest TailExcept(TextView tail, std::span<const TextView> except) {
  return {TestKind::kTailExcept, tail, except, {}};
}
// Every item of a word list shares `common_tail`, so most verbs are turned
// away by one comparison instead of a walk through the whole list.
constexpr VerbTest InList(TextView common_tail, std::span<const TextView> words,
                          std::span<const TextView> tails) {
  return {TestKind::kWordList, common_tail, words, tails};
}

constexpr bool AllEndWith(std::span<const TextView> items, TextView tail) {
  return std::all_of(items.begin(), items.end(),
                     [tail](TextView item) { return item.ends_with(tail); });
}

bool Matches(const VerbTest& test, TextView verb);

enum class ValueShape : std::uint8_t {
  kLiteral,      // text
  kPrefixed,     // prefix + text
  kPrefixTwice,  // opening + prefix + text + prefix, e.g. "(val)  val"
};

struct SlotValue {
  ValueShape shape;
  TextView text;
  TextView opening;
};

constexpr SlotValue Lit(TextView text) { return {ValueShape::kLiteral, text, {}}; }
constexpr SlotValue P(TextView fragment = {}) { return {ValueShape::kPrefixed, fragment, {}}; }
constexpr SlotValue PrefixTwice(TextView opening, TextView middle) {
  return {ValueShape::kPrefixTwice, middle, opening};
}

struct Assignment {
  TextSlot slot;
  SlotValue value;
};

// A further test inside an entry; its assignments follow the entry's own.
struct SubEntry {
  VerbTest test;
  std::span<const Assignment> assignments;
};

// Entries whose values are all literal cut nothing.
inline constexpr int kNoCut = 0;

struct CatalogueEntry {
  int number;
  VerbTest test;
  int cut;
  std::span<const Assignment> assignments;
  std::span<const SubEntry> sub_entries = {};
  // The one verb for which the prefix is empty instead of cut from the entry.
  TextView empty_prefix_verb = {};
};

// The entry that answers for `verb`: the first whose test matches, or null.
const CatalogueEntry* FirstMatchingEntry(TextView verb);

// Overwrites the entry's slots, then those of each sub-entry that matches.
void ApplyEntry(const CatalogueEntry& entry, ConjugationState& state, TextView entry_text);

}  // namespace flexoria::irregular
