#include "catalogues/irregular_catalogue.h"

#include "engine/match_kind.h"

namespace flexoria {

// The catalogue's entries come next; until then no verb matches.
void ApplyIrregularCatalogue(ConjugationState&, TextView, int& match_kind) {
  match_kind = kNoIrregularEntry;
}

}  // namespace flexoria
