#include "lexicon/pronominal_verbs.h"

#include <algorithm>
#include <array>

namespace flexoria {
namespace {

constexpr TextView kPronominalVerbs[] = {
#include "lexicon/source/pronominal.inc"
};

// Sorted while compiling, as the word lists are.
constexpr auto kSorted = [] {
  std::array<TextView, std::size(kPronominalVerbs)> sorted{};
  std::copy(std::begin(kPronominalVerbs), std::end(kPronominalVerbs), sorted.begin());
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}();

}  // namespace

bool HasPronominalUse(TextView infinitive) {
  return std::binary_search(kSorted.begin(), kSorted.end(), infinitive);
}

}  // namespace flexoria
