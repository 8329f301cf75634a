// SPDX-License-Identifier: GPL-3.0-or-later
// The regular spelling and sound changes of a verb that no catalogue entry
// handled: buscar/busqué, coger/cojo, conocer/conozco, producir/produje,
// leer/leyó, continuar/continúo, averiguar/averigüe, gruñir/gruñó ...
#pragma once

#include "core/conjugation_state.h"

namespace flexoria {

// `state` holds the regular values (FillRegularValues), which stand where
// no rule applies. `entry_text` is the entry as typed; every shortened stem
// is cut from it.
// Throws CutFailed when a cut cannot be made.
void ApplySpellingAdjustments(ConjugationState& state, TextView entry_text);

}  // namespace flexoria
