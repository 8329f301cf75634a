#include "lexicon/lexicon.h"

#include <algorithm>

#include "lexicon/word_lists.h"

namespace flexoria {

bool IsInLexicon(TextView verb, TextView entry_text) {
  if (entry_text.empty()) return false;
  const char32_t first = entry_text.front();
  // A split group answers from its first half when it can and asks its
  // second half only after that; a character of no group asks no list.
  for (const WordList& list : WordLists()) {
    if (list.letters.find(first) == TextView::npos) continue;
    if (std::binary_search(list.sorted.begin(), list.sorted.end(), verb)) return true;
  }
  return false;
}

}  // namespace flexoria
