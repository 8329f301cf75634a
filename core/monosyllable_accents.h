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

#include "core/form_cells.h"
#include "core/text.h"

namespace flexoria {

// One-syllable forms whose accent tells them from another word.
inline constexpr std::array<TextView, 2> kDiacriticMonosyllables{
    U"dé",  // que él dé (dar), against the preposition de
    U"sé",  // yo sé (saber), sé tú (ser), against the pronoun se
};

// Takes the accent off the form stem + ending when the form is one
// syllable and no diacritic word; returns where the accent stood in
// stem + ending, or npos when the form keeps what it had.
std::size_t DropMonosyllableAccent(Text& stem, Text& ending);

// The same for every line of a written form.
void DropMonosyllableAccents(FormCells& cells);

}  // namespace flexoria
