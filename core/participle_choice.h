// SPDX-License-Identifier: GPL-3.0-or-later
// Which participle a compound tense takes when the participle view gives
// more than one (imprimido / impreso).
#pragma once

#include "core/text.h"

namespace flexoria {

// The participle written after haber: of the alternatives in `cell`
// (separated by "/" or " o ", possibly in brackets), the regular one in
// -ado, -ido or -ído, which the Academy accepts with haber for every verb
// that has two; the first when none is regular, the whole cell when it
// holds one participle.
TextView ParticipleWithHaber(TextView cell);

}  // namespace flexoria
