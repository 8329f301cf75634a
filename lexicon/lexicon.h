// The lexicon of known infinitives.
#pragma once

#include "core/text.h"

namespace flexoria {

// Whether `verb` (trimmed) is a listed infinitive. The list consulted is the
// one of the first character of `entry_text` as typed, so an entry that
// starts with a blank, a capital or an accented letter is never found.
bool IsInLexicon(TextView verb, TextView entry_text);

}  // namespace flexoria
