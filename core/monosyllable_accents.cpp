// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monosyllable_accents.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/enclitics.h"
#include "core/short_copy.h"
#include "core/written_accents.h"

namespace flexoria {
namespace {

// Most cells are plain ASCII, and no accent is. A cell of four to eight
// letters, as most are, is read as two blocks of four that overlap, with
// no loop.
bool AllAscii(TextView text) {
  constexpr std::size_t kBlock = 4;
  if (text.size() >= kBlock && text.size() <= 2 * kBlock) {
    std::array<char32_t, kBlock> front;
    std::array<char32_t, kBlock> back;
    std::memcpy(front.data(), text.data(), sizeof front);
    std::memcpy(back.data(), text.data() + text.size() - kBlock, sizeof back);
    char32_t bits = 0;
    for (std::size_t i = 0; i < kBlock; ++i) bits |= front[i] | back[i];
    return bits < 0x80;
  }
  for (const char32_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

constexpr std::uint32_t kVowelBits = 1U << (U'a' - U'a') | 1U << (U'e' - U'a') |
                                     1U << (U'i' - U'a') | 1U << (U'o' - U'a') |
                                     1U << (U'u' - U'a');

// Most letters are ASCII: for them, one test of a bit.
inline bool IsVowel(char32_t c) {
  if (c < 0x80) {
    const char32_t offset = c - U'a';
    return offset < 32 && ((kVowelBits >> offset) & 1U) != 0;
  }
  const char32_t plain = WithoutMarks(c);
  return plain == U'a' || plain == U'e' || plain == U'i' || plain == U'o' || plain == U'u';
}

// Where the first accent of stem + ending stands, in one pass that stops at
// a second run of vowels: vowels with a letter between them are two
// syllables at least, as in most accented forms (cantábamos, comía), and
// only the others need counting. npos when there is no accent or a second run.
std::size_t AccentOfOneVowelRun(TextView stem, TextView ending) {
  std::size_t accent = TextView::npos;
  std::size_t at = 0;
  bool after_vowel = false;
  int runs = 0;
  for (const TextView part : {stem, ending}) {
    for (const char32_t c : part) {
      const bool vowel = IsVowel(c);
      if (vowel && !after_vowel && ++runs > 1) return TextView::npos;
      if (accent == TextView::npos && WithoutAccent(c) != c) accent = at;
      after_vowel = vowel;
      ++at;
    }
  }
  return accent;
}

// A vowel with a letter after it, and no accent anywhere. Asked of every
// stem of every verb: a plain stem is read from its end, where the letter
// after a vowel almost always stands (cant, quep).
bool ClosesUnaccentedSyllable(TextView stem) {
  if (!AllAscii(stem) &&
      std::ranges::any_of(stem, [](char32_t c) { return WithoutAccent(c) != c; })) {
    return false;
  }
  std::size_t end = stem.size();
  while (end > 0 && IsVowel(stem[end - 1])) --end;
  // stem[end - 1], when there is one, is the letter a vowel before it would close.
  for (std::size_t at = end; at-- > 1;) {
    if (IsVowel(stem[at - 1])) return true;
  }
  return false;
}

void DropAccentAt(std::size_t accent, Text& stem, Text& ending) {
  char32_t& accented = accent < stem.size() ? stem[accent] : ending[accent - stem.size()];
  accented = WithoutAccent(accented);
}

}  // namespace

std::size_t MonosyllableAccentToDrop(TextView stem, TextView ending) {
  const std::size_t accent = AccentOfOneVowelRun(stem, ending);
  if (accent == TextView::npos) return TextView::npos;
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
  return accent;
}

std::size_t DropMonosyllableAccent(Text& stem, Text& ending) {
  const std::size_t accent = MonosyllableAccentToDrop(stem, ending);
  if (accent != TextView::npos) DropAccentAt(accent, stem, ending);
  return accent;
}

void DropMonosyllableAccents(FormCells& cells) {
  for (std::size_t line = 0; line < cells.count; ++line) {
    const TextView stem = cells.stems[line];
    const TextView ending = cells.endings[line];
    // Checked here first: a call for every plain cell cost more than the check.
    if (AllAscii(stem) && AllAscii(ending)) continue;
    const std::size_t accent = MonosyllableAccentToDrop(stem, ending);
    if (accent == TextView::npos) continue;
    const FormCells::OwnLine own = cells.Own(line);
    DropAccentAt(accent, own.stem, own.ending);
  }
}

bool StemsMayMakeMonosyllables(const ConjugationState& state) {
  const TextView stem = state.Stem;
  if (!ClosesUnaccentedSyllable(stem)) return true;
  return !std::ranges::all_of(kStemSlots, [&state, stem](const NamedSlot& named) {
    const TextView slot = state.*named.slot;
    // Most of a verb's stems are its plain stem over again.
    return SameShortText(slot, stem) || ClosesUnaccentedSyllable(slot);
  });
}

}  // namespace flexoria
