// The stem-change catalogue: -ar verbs whose stem vowel changes under stress
// (pensar: pienso) or takes a written accent (aislar: aíslo).
#pragma once

#include "core/conjugation_state.h"

namespace flexoria {

// When the trimmed verb is listed, overwrites its stressed stems (built from
// `entry_text` as typed) and sets `match_kind` to 2; otherwise changes nothing.
void ApplyStemChange(ConjugationState& state, TextView entry_text, int& match_kind);

}  // namespace flexoria
