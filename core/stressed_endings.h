// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs whose endings carry the stress that a one-syllable root leaves
// them: the writers give these words accented endings that no slot holds.
#pragma once

#include "core/text.h"

namespace flexoria {

// Presente de Indicativo and de Subjuntivo of -ar verbs: estás, está, están;
// esté, estés, estéis, estén. desdar is dar with a prefix, so its last
// syllable is stressed where dar's only one is: desdás, desdé.
inline constexpr TextView kStressedArEndingWords[] = {U"estar", U"desdar"};

// Presente de Indicativo, persons 2, 3 and 6: ves, ve, ven but prevés,
// prevé, prevén.
inline constexpr TextView kVerCompounds[] = {U"prever", U"antever", U"entrever", U"rever",
                                             U"trasver"};

}  // namespace flexoria
