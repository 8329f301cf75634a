// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monosyllable_accents.h"

#include <algorithm>

#include "core/enclitics.h"
#include "core/written_accents.h"

namespace flexoria {
namespace {

// Most cells are plain ASCII, and no accent is: all characters at once,
// with no branch per character.
bool AllAscii(TextView text) {
  char32_t bits = 0;
  for (const char32_t c : text) bits |= c;
  return bits < 0x80;
}

std::size_t AccentIn(TextView text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (WithoutAccent(text[at]) != text[at]) return at;
  }
  return TextView::npos;
}

// Vowels with a letter between them are two syllables at least, as in most
// accented forms (cantábamos, comía); only the others need counting.
bool OneRunOfVowels(TextView stem, TextView ending) {
  constexpr TextView kVowels = U"aeiou";
  bool after_vowel = false;
  int runs = 0;
  for (const TextView part : {stem, ending}) {
    for (const char32_t c : part) {
      const bool vowel = kVowels.find(WithoutMarks(c)) != TextView::npos;
      if (vowel && !after_vowel && ++runs > 1) return false;
      after_vowel = vowel;
    }
  }
  return true;
}

}  // namespace

std::size_t DropMonosyllableAccent(Text& stem, Text& ending) {
  if (AllAscii(stem) && AllAscii(ending)) return TextView::npos;
  const std::size_t in_stem = AccentIn(stem);
  const std::size_t in_ending = AccentIn(ending);
  if (in_stem == TextView::npos && in_ending == TextView::npos) return TextView::npos;
  if (!OneRunOfVowels(stem, ending)) return TextView::npos;
  // Every verb's cells pass here, so the form is put together on the stack;
  // anything longer than that room is no monosyllable.
  std::array<char32_t, 16> room;
  if (stem.size() + ending.size() > room.size()) return TextView::npos;
  const auto end = std::ranges::copy(ending, std::ranges::copy(stem, room.begin()).out).out;
  const TextView whole(room.data(), static_cast<std::size_t>(end - room.begin()));
  if (SyllableCount(whole) != 1 ||
      std::ranges::find(kDiacriticMonosyllables, whole) != kDiacriticMonosyllables.end()) {
    return TextView::npos;
  }
  if (in_stem != TextView::npos) {
    stem[in_stem] = WithoutAccent(stem[in_stem]);
    return in_stem;
  }
  ending[in_ending] = WithoutAccent(ending[in_ending]);
  return stem.size() + in_ending;
}

void DropMonosyllableAccents(FormCells& cells) {
  for (std::size_t line = 0; line < cells.count; ++line) {
    Text& stem = cells.stems[line];
    Text& ending = cells.endings[line];
    // Checked here first: a call for every plain cell cost more than the check.
    if (!AllAscii(stem) || !AllAscii(ending)) DropMonosyllableAccent(stem, ending);
  }
}

}  // namespace flexoria
