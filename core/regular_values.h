// SPDX-License-Identifier: GPL-3.0-or-later
// The values of a regular verb, which every accepted request starts from.
#pragma once

#include "core/conjugation_state.h"

namespace flexoria {

// Every displayed line begins with it.
inline constexpr TextView kLineBreak = U"\r\n";

// Fills every slot but Verb and Found from `entry` (as typed); Verb must
// already hold the trimmed entry, the future stem being the whole verb.
void FillRegularValues(ConjugationState& state, TextView entry);

}  // namespace flexoria
