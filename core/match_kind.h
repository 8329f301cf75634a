// SPDX-License-Identifier: GPL-3.0-or-later
// What a catalogue answers about a verb, and so what the request runs next.
#pragma once

namespace flexoria {

enum MatchKind : int {
  kMatchCleared = 0,       // an irregular entry handled the verb, or nothing was tried
  kNoIrregularEntry = 1,   // no irregular entry: the spelling rules run
  kStemChangeMatched = 2,  // the stem-change catalogue handled the verb
};

}  // namespace flexoria
