// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/lexicon.h"

#include <algorithm>

#include "core/written_accents.h"
#include "lexicon/word_lists.h"

namespace flexoria {
namespace {

bool EqualWithoutMarks(TextView a, TextView b) {
  return std::ranges::equal(
      a, b, [](char32_t x, char32_t y) { return WithoutMarks(x) == WithoutMarks(y); });
}

}  // namespace

bool IsInLexicon(TextView verb, TextView entry_text) {
  if (entry_text.empty()) return false;
  const char32_t first = entry_text.front();
  // A split group answers from its first half when it can and asks its
  // second half only after that; a character of no group asks no list.
  for (const WordList& list : WordLists()) {
    if (list.letters.find(first) == TextView::npos) continue;
    if (std::binary_search(list.sorted.begin(), list.sorted.end(), verb, SearchOrder)) return true;
  }
  return false;
}

std::vector<TextView> SameWithoutAccents(TextView verb) {
  std::vector<TextView> found;
  for (const WordList& list : WordLists()) {
    for (const TextView word : list.words) {
      if (word == verb || !EqualWithoutMarks(word, verb)) continue;
      if (std::ranges::find(found, word) == found.end()) found.push_back(word);
    }
  }
  return found;
}

}  // namespace flexoria
