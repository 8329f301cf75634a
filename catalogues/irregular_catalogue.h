// SPDX-License-Identifier: GPL-3.0-or-later
// The irregular-verb catalogue: ordered entries for strong, suppletive and
// stem-changing verbs, accented -iar/-uar verbs and irregular participles.
#pragma once

#include "core/conjugation_state.h"
#include "core/match_kind.h"

namespace flexoria {

// Applies the first entry whose test matches the trimmed verb; when none
// does, answers so, and the spelling rules run.
MatchKind ApplyIrregularCatalogue(ConjugationState& state, TextView entry_text);

}  // namespace flexoria
