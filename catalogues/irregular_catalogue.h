// The irregular-verb catalogue: ordered entries for strong, suppletive and
// stem-changing verbs, accented -iar/-uar verbs and irregular participles.
#pragma once

#include "core/conjugation_state.h"

namespace flexoria {

// Applies the first entry whose test matches the trimmed verb; when none
// does, sets `match_kind` to 1 so that the spelling rules run.
void ApplyIrregularCatalogue(ConjugationState& state, TextView entry_text, int& match_kind);

}  // namespace flexoria
