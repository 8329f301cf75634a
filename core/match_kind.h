// How the catalogues tell the request what to run next.
#pragma once

namespace flexoria {

enum MatchKind : int {
  kMatchCleared = 0,
  kNoIrregularEntry = 1,   // no irregular entry: the spelling rules run
  kStemChangeMatched = 2,  // the stem-change catalogue handled the verb
};

}  // namespace flexoria
