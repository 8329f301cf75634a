// SPDX-License-Identifier: GPL-3.0-or-later
// Since the Academy's Ortografía of 2010 a word of one syllable takes no
// written accent, however it is pronounced: rio, guio, fie, hui, riais.
// Counted as that work counts them, an unaccented i or u beside another
// vowel makes one syllable with it (gui-e, hu-i: one each), while an
// accented i or u beside a, e or o stands on its own (re-í, o-í: two). Only
// the diacritic accents that tell two words apart stay.
#pragma once

#include <array>
#include <cstddef>

#include "core/conjugation_state.h"
#include "core/form_cells.h"
#include "core/text.h"

namespace flexoria {

// One-syllable forms whose accent tells them from another word.
inline constexpr std::array<TextView, 2> kDiacriticMonosyllables{
    U"dé",  // que él dé (dar), against the preposition de
    U"sé",  // yo sé (saber), sé tú (ser), against the pronoun se
};

// Where in stem + ending stands the accent that a form of one syllable and
// no diacritic word loses; npos when the form keeps what it has.
std::size_t MonosyllableAccentToDrop(TextView stem, TextView ending);

// Takes that accent off; returns where it stood, or npos.
std::size_t DropMonosyllableAccent(Text& stem, Text& ending);

// The same for every line of a written form.
void DropMonosyllableAccents(FormCells& cells);

// Whether a form of the verb in `state` can be one syllable with an accent.
// A stem with no accent and a letter after one of its vowels (cant, quep)
// starts a second syllable with every ending that brings an accent; when
// all of a verb's stems are such, none of its forms needs the rule above.
// The verbs whose writers use stems of their own (ser, haber, ir) each have
// a stem that is not.
bool StemsMayMakeMonosyllables(const ConjugationState& state);

}  // namespace flexoria
