// SPDX-License-Identifier: GPL-3.0-or-later
// A pronoun joined after a verb form (lávate, sentémonos, poniéndose): the
// letters the join drops and the written accent the longer word needs, by
// the stress rules of Spanish spelling.
#pragma once

#include <cstddef>

#include "core/text.h"
#include "core/written_accents.h"

namespace flexoria {

// The vowel that carries the stress of `word`: the one with a written
// accent, else the one the default rules give (next to last syllable for
// words ending in a vowel, n or s; last syllable otherwise). npos for a
// word without vowels.
std::size_t StressedVowel(TextView word);

// How many syllables `word` has.
std::size_t SyllableCount(TextView word);

// Writes `bare` + `pronoun` (one pronoun or two: "selo") into `out` with the written accent the new
// word needs; `verb` (the infinitive) only picks out the exceptions. Returns how many letters of
// `bare` the join dropped (lavemos + nos: one).
std::size_t AttachEnclitic(TextView verb, TextView bare, TextView pronoun, Text& out);

}  // namespace flexoria
