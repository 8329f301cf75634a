// SPDX-License-Identifier: GPL-3.0-or-later
// The stem-change catalogue: -ar verbs whose stem vowel changes under stress
// (pensar: pienso) or takes a written accent (aislar: aíslo).
#pragma once

#include "core/conjugation_state.h"
#include "core/match_kind.h"

namespace flexoria {

// When the trimmed verb is listed, overwrites its stressed stems (built from
// `entry_text` as typed) and answers that it handled the verb; otherwise
// changes nothing.
MatchKind ApplyStemChange(ConjugationState& state, TextView entry_text);

}  // namespace flexoria
