// SPDX-License-Identifier: GPL-3.0-or-later
// The word lists of the lexicon, compiled into the program.
#pragma once

#include <span>
#include <string_view>

#include "core/text.h"

namespace flexoria {

struct WordList {
  std::string_view name;  // "a, first half", "f and g": names the list in test output
  // The first characters of an entry that consult this list.
  TextView letters;
  // The words in the order of the list.
  std::span<const TextView> words;
  // The same words in SearchOrder, for binary search.
  std::span<const TextView> sorted;
};

// Shorter words first, words of one length by their characters' code
// points: most steps of a search then tell words apart by their lengths
// alone, without walking the letters a list's words share.
constexpr bool SearchOrder(TextView a, TextView b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// Every list, in the order a lookup consults them: a split group's first
// half comes before its second half.
std::span<const WordList> WordLists();

}  // namespace flexoria
