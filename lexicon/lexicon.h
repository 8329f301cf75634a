// SPDX-License-Identifier: GPL-3.0-or-later
// The lexicon of known infinitives.
#pragma once

#include <vector>

#include "core/text.h"

namespace flexoria {

// Whether `verb` (trimmed) is a listed infinitive. The list consulted is the
// one of the first character of `entry_text` as typed, so an entry that
// starts with a blank, a capital or an accented letter is never found.
bool IsInLexicon(TextView verb, TextView entry_text);

// The listed infinitives other than `verb` that are written like it once
// accents and diaereses are left out on both sides: "reir" gives reír. In
// the order of the lists.
std::vector<TextView> SameWithoutAccents(TextView verb);

}  // namespace flexoria
