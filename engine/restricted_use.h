// SPDX-License-Identifier: GPL-3.0-or-later
// Notices for verbs used only in some persons or forms. They restrict
// nothing: the forms are shown all the same.
#pragma once

#include "core/text.h"

namespace flexoria {

inline constexpr TextView kRestrictedUseTitle = U"Verbo defectivo";

// The notice for `verb`, or an empty view when it has none. `line_break` is
// placed between the lines of the longer notices.
Text RestrictedUseNotice(TextView verb, TextView line_break);

}  // namespace flexoria
