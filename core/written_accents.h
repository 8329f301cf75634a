// SPDX-License-Identifier: GPL-3.0-or-later
// The vowels Spanish writes with an accent, shared by the rules that add
// one (a joined pronoun: lávate) and the lookups that ignore them (tenia).
#pragma once

#include <algorithm>
#include <array>

#include "core/char_pairs.h"

namespace flexoria {

// Each plain vowel and the same vowel accented.
inline constexpr std::array<CharPair, 5> kWrittenAccents{{
    {U'a', U'á'},
    {U'e', U'é'},
    {U'i', U'í'},
    {U'o', U'ó'},
    {U'u', U'ú'},
}};

// The vowel without its accent; any other character as it is.
constexpr char32_t WithoutAccent(char32_t c) {
  // No accented vowel is ASCII; most letters of most forms are, and this is
  // asked of every one of them.
  if (c < 0x80) return c;
  return Paired(c, kWrittenAccents, PairDirection::kBackward);
}

// The vowel without its accent or its diaeresis, which people leave out
// alike: "reir", "arguir".
constexpr char32_t WithoutMarks(char32_t c) { return c == U'ü' ? U'u' : WithoutAccent(c); }

// Every marked letter of Spanish (the accented vowels, ü, ñ) lies in
// Latin-1's upper half, which UTF-8 writes as this byte and one more: a
// lookup over UTF-8 tells a marked letter by that second byte alone.
inline constexpr unsigned char kMarkedLetterLead = 0xC3;
static_assert(std::ranges::all_of(kWrittenAccents,
                                  [](const CharPair& pair) {
                                    return pair.to >= 0xC0 && pair.to <= 0xFF;
                                  }) &&
              U'ü' >= 0xC0 && U'ü' <= 0xFF && U'ñ' >= 0xC0 && U'ñ' <= 0xFF);

// The vowel with its accent; any other character as it is.
constexpr char32_t WithAccent(char32_t c) { return Paired(c, kWrittenAccents); }

}  // namespace flexoria
