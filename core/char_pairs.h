// SPDX-License-Identifier: GPL-3.0-or-later
// Tables of characters in pairs (a vowel and the same vowel with its
// accent, a key and the letter it types), each read either way by one
// lookup.
#pragma once

#include <span>

namespace flexoria {

struct CharPair {
  char32_t from;
  char32_t to;
};

enum class PairDirection { kForward, kBackward };

// The other half of the first pair that holds `c` on the side it is read
// from (`from` forward, `to` backward); any other character as it is.
constexpr char32_t Paired(char32_t c, std::span<const CharPair> pairs,
                          PairDirection direction = PairDirection::kForward) {
  const bool forward = direction == PairDirection::kForward;
  for (const CharPair& pair : pairs) {
    if ((forward ? pair.from : pair.to) == c) return forward ? pair.to : pair.from;
  }
  return c;
}

}  // namespace flexoria
