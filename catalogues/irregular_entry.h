// SPDX-License-Identifier: GPL-3.0-or-later
// The shape of one irregular-verb entry: how it recognises its verbs, how much
// of the entry it cuts off, and which slots it overwrites with what. Entries
// are constant data; one routine walks them (irregular_catalogue.cpp).
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/cell_notation.h"
#include "core/conjugation_state.h"

namespace flexoria::irregular {

// Every test names a tail that its verbs end with (for a single word, the
// word itself), so a walk turns most entries away after a character or two.
enum class TestKind : std::uint8_t {
  kWord,        // Verb is `tail`
  kOneOfWords,  // Verb is one of `words`, which all end with `tail`
  kTail,        // Verb ends with `tail`, the tail alone included
  kTailExcept,  // Verb ends with `tail` and is none of `words`
  kWordList,    // Verb is one of `words` or ends with one of `tails`, all ending with `tail`
};

struct VerbTest {
  TestKind kind;
  TextView tail;
  std::span<const TextView> words;
  std::span<const TextView> tails;
};

constexpr VerbTest Word(TextView word) { return {TestKind::kWord, word, {}, {}}; }
constexpr VerbTest OneOf(TextView common_tail, std::span<const TextView> words) {
  return {TestKind::kOneOfWords, common_tail, words, {}};
}
constexpr VerbTest Tail(TextView tail) { return {TestKind::kTail, tail, {}, {}}; }
constexpr VerbTest TailExcept(TextView tail, std::span<const TextView> except) {
  return {TestKind::kTailExcept, tail, except, {}};
}
constexpr VerbTest InList(TextView common_tail, std::span<const TextView> words,
                          std::span<const TextView> tails) {
  return {TestKind::kWordList, common_tail, words, tails};
}

// Whether the words and tails of a test really share its tail; a test that
// broke this would miss verbs it names.
constexpr bool SharesItsTail(const VerbTest& test) {
  const auto all_end = [&test](std::span<const TextView> items) {
    return std::all_of(items.begin(), items.end(),
                       [&test](TextView item) { return item.ends_with(test.tail); });
  };
  return all_end(test.words) && all_end(test.tails);
}

bool Matches(const VerbTest& test, TextView verb);

enum class ValueShape : std::uint8_t {
  kLiteral,      // text
  kPrefixed,     // prefix + text
  kPrefixTwice,  // opening + prefix + text + prefix, e.g. "(val)  val"
};

struct SlotValue {
  constexpr SlotValue(ValueShape shape, TextView text, TextView opening = {})
      : shape(shape),
        text(text),
        opening(opening),
        notation(HoldsNotationMarks(text) || HoldsNotationMarks(opening)) {}

  ValueShape shape;
  TextView text;
  TextView opening;
  bool notation;  // in a cell's notation: "irg-/yerg", "(i)ó", "(" + prefix
};

constexpr SlotValue Lit(TextView text) { return {ValueShape::kLiteral, text}; }
constexpr SlotValue P(TextView fragment = {}) { return {ValueShape::kPrefixed, fragment}; }
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
// It only tries the entries whose tail ends like the verb.
const CatalogueEntry* FirstMatchingEntry(TextView verb);

// The same answer from a walk over every entry, which defines it.
const CatalogueEntry* FirstMatchingEntryInOrder(TextView verb);

// Overwrites the entry's slots, then those of each sub-entry that matches.
void ApplyEntry(const CatalogueEntry& entry, ConjugationState& state, TextView entry_text);

}  // namespace flexoria::irregular
