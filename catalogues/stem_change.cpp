#include "catalogues/stem_change.h"

namespace flexoria {

// The catalogue's tables come next; until then no verb is listed.
void ApplyStemChange(ConjugationState&, TextView, int&) {}

}  // namespace flexoria
