// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/enclitics.h"

#include <array>

namespace flexoria {
namespace {

// The letters a form loses before a pronoun, first match first: the verb
// (empty: any verb), the form's tail, the pronoun that comes first and how
// many to drop.
struct DroppedLetters {
  TextView verb;
  TextView tail;
  TextView pronoun;
  std::size_t drop;
};

inline constexpr std::array<DroppedLetters, 4> kDroppedLetters{{
    {U"ir", U"id", U"os", 0},  // idos, the Academy's form (not iros)
    {U"", U"mos", U"nos", 1},  // sentemos + nos: sentémonos
    {U"", U"mos", U"se", 1},   // digamos + se + lo: digámoselo
    {U"", U"d", U"os", 1},     // lavad + os: lavaos; poned + os + lo: ponéoslo
}};

bool IsAccented(char32_t c) { return WithoutAccent(c) != c; }

bool IsVowelLetter(char32_t c) {
  const char32_t plain = WithoutAccent(c);
  return plain == U'a' || plain == U'e' || plain == U'i' || plain == U'o' || plain == U'u' ||
         c == U'ü';
}

// i, u and ü without accent join a neighbouring vowel into one syllable.
bool IsWeak(char32_t c) { return c == U'i' || c == U'u' || c == U'ü'; }

// The u of que, qui, gue, gui is no sound of its own.
bool IsVowelAt(TextView word, std::size_t at) {
  const char32_t c = word[at];
  if (!IsVowelLetter(c)) return false;
  if (c != U'u' || at == 0 || at + 1 >= word.size()) return true;
  const char32_t before = word[at - 1];
  const char32_t after = WithoutAccent(word[at + 1]);
  return !((before == U'q' || before == U'g') && (after == U'e' || after == U'i'));
}

// The syllable nuclei of `word`, as the index of the first vowel of each.
// `hiatus` (a weak vowel that carries the stress) stands apart from its
// neighbours, as an accented one does.
struct Nuclei {
  std::array<std::size_t, 16> start{};
  std::size_t count = 0;
};

Nuclei NucleiOf(TextView word, std::size_t hiatus) {
  Nuclei nuclei;
  bool previous_vowel = false;
  bool previous_weak = false;
  for (std::size_t at = 0; at < word.size(); ++at) {
    if (!IsVowelAt(word, at)) {
      previous_vowel = false;
      continue;
    }
    const bool weak = IsWeak(word[at]) && at != hiatus;
    // Between a strong vowel and another vowel a weak one opens the next
    // syllable, as a consonant would (pre-iais, ca-ue-la).
    const bool opens =
        weak && previous_vowel && !previous_weak && at + 1 < word.size() && IsVowelAt(word, at + 1);
    const bool joins = previous_vowel && !opens && (weak || previous_weak);
    if (!joins && nuclei.count < nuclei.start.size()) nuclei.start[nuclei.count++] = at;
    previous_vowel = true;
    previous_weak = weak;
  }
  return nuclei;
}

std::size_t NucleusOf(const Nuclei& nuclei, std::size_t vowel) {
  std::size_t index = 0;
  while (index + 1 < nuclei.count && nuclei.start[index + 1] <= vowel) ++index;
  return index;
}

// Within a nucleus the stress falls on its strong vowel, or on the second
// of two weak ones.
std::size_t StressedVowelOfNucleus(TextView word, std::size_t start) {
  std::size_t stressed = start;
  for (std::size_t at = start; at < word.size() && IsVowelAt(word, at); ++at) {
    if (!IsWeak(word[at])) return at;
    stressed = at;
  }
  return stressed;
}

bool EndsInVowelNOrS(TextView word) {
  if (word.empty()) return false;
  const char32_t last = word.back();
  return last == U'n' || last == U's' || IsVowelLetter(last);
}

// A stressed weak vowel next to a strong one is a hiatus the accent shows.
bool IsHiatus(TextView word, std::size_t vowel) {
  if (!IsWeak(word[vowel])) return false;
  const auto strong_at = [&word](std::size_t at) {
    return at < word.size() && IsVowelAt(word, at) && !IsWeak(word[at]);
  };
  return (vowel > 0 && strong_at(vowel - 1)) || strong_at(vowel + 1);
}

bool NeedsAccent(TextView word, std::size_t vowel) {
  const Nuclei nuclei = NucleiOf(word, vowel);
  if (IsHiatus(word, vowel)) return true;
  if (nuclei.count < 2) return false;
  const std::size_t from_end = nuclei.count - 1 - NucleusOf(nuclei, vowel);
  if (from_end >= 2) return true;
  return (from_end == 0) == EndsInVowelNOrS(word);
}

const DroppedLetters* DroppedFor(TextView verb, TextView bare, TextView pronoun) {
  for (const DroppedLetters& rule : kDroppedLetters) {
    if ((rule.verb.empty() || rule.verb == verb) && pronoun.starts_with(rule.pronoun) &&
        EndsWith(bare, rule.tail)) {
      return &rule;
    }
  }
  return nullptr;
}

}  // namespace

std::size_t SyllableCount(TextView word) { return NucleiOf(word, TextView::npos).count; }

std::size_t StressedVowel(TextView word) {
  for (std::size_t at = 0; at < word.size(); ++at) {
    if (IsAccented(word[at])) return at;
  }
  const Nuclei nuclei = NucleiOf(word, TextView::npos);
  if (nuclei.count == 0) return TextView::npos;
  const bool next_to_last = EndsInVowelNOrS(word) && nuclei.count >= 2;
  const std::size_t nucleus = nuclei.count - (next_to_last ? 2 : 1);
  return StressedVowelOfNucleus(word, nuclei.start[nucleus]);
}

std::size_t AttachEnclitic(TextView verb, TextView bare, TextView pronoun, Text& out) {
  const DroppedLetters* dropped = DroppedFor(verb, bare, pronoun);
  const std::size_t drop = dropped != nullptr ? dropped->drop : 0;
  const std::size_t stressed = StressedVowel(bare);
  out.assign(bare.substr(0, bare.size() - drop)).append(pronoun);
  if (stressed == TextView::npos || stressed >= out.size()) return drop;
  out[stressed] = WithoutAccent(out[stressed]);
  if (NeedsAccent(out, stressed)) out[stressed] = WithAccent(out[stressed]);
  return drop;
}

}  // namespace flexoria
