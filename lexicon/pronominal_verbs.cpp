// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/pronominal_verbs.h"

#include <algorithm>

namespace flexoria {
namespace {

// In code-point order, as the script that extracts the list writes it.
constexpr TextView kPronominalVerbs[] = {
#include "lexicon/source/pronominal.inc"
};
static_assert(std::is_sorted(std::begin(kPronominalVerbs), std::end(kPronominalVerbs)));

}  // namespace

bool HasPronominalUse(TextView infinitive) {
  return std::binary_search(std::begin(kPronominalVerbs), std::end(kPronominalVerbs), infinitive);
}

}  // namespace flexoria
