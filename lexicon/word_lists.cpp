// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/word_lists.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace flexoria {
namespace {

constexpr TextView kAFirst[] = {
#include "lexicon/words/a-first.inc"
};
constexpr TextView kASecond[] = {
#include "lexicon/words/a-second.inc"
};
constexpr TextView kB[] = {
#include "lexicon/words/b.inc"
};
constexpr TextView kC[] = {
#include "lexicon/words/c.inc"
};
constexpr TextView kDFirst[] = {
#include "lexicon/words/d-first.inc"
};
constexpr TextView kDSecond[] = {
#include "lexicon/words/d-second.inc"
};
constexpr TextView kEFirst[] = {
#include "lexicon/words/e-first.inc"
};
constexpr TextView kESecond[] = {
#include "lexicon/words/e-second.inc"
};
constexpr TextView kFG[] = {
#include "lexicon/words/f-g.inc"
};
constexpr TextView kHIJ[] = {
#include "lexicon/words/h-i-j.inc"
};
constexpr TextView kKL[] = {
#include "lexicon/words/k-l.inc"
};
constexpr TextView kMNO[] = {
#include "lexicon/words/m-n-enye-o.inc"
};
constexpr TextView kPQ[] = {
#include "lexicon/words/p-q.inc"
};
constexpr TextView kR[] = {
#include "lexicon/words/r.inc"
};
constexpr TextView kS[] = {
#include "lexicon/words/s.inc"
};
constexpr TextView kTZ[] = {
#include "lexicon/words/t-u-v-x-y-z.inc"
};

// Sorted while compiling, so a lookup needs neither start-up work nor memory.
template <std::size_t N>
constexpr std::array<TextView, N> SortedCopy(const TextView (&words)[N]) {
  std::array<TextView, N> sorted{};
  std::copy(std::begin(words), std::end(words), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), SearchOrder);
  return sorted;
}

constexpr auto kAFirstSorted = SortedCopy(kAFirst);
constexpr auto kASecondSorted = SortedCopy(kASecond);
constexpr auto kBSorted = SortedCopy(kB);
constexpr auto kCSorted = SortedCopy(kC);
constexpr auto kDFirstSorted = SortedCopy(kDFirst);
constexpr auto kDSecondSorted = SortedCopy(kDSecond);
constexpr auto kEFirstSorted = SortedCopy(kEFirst);
constexpr auto kESecondSorted = SortedCopy(kESecond);
constexpr auto kFGSorted = SortedCopy(kFG);
constexpr auto kHIJSorted = SortedCopy(kHIJ);
constexpr auto kKLSorted = SortedCopy(kKL);
constexpr auto kMNOSorted = SortedCopy(kMNO);
constexpr auto kPQSorted = SortedCopy(kPQ);
constexpr auto kRSorted = SortedCopy(kR);
constexpr auto kSSorted = SortedCopy(kS);
constexpr auto kTZSorted = SortedCopy(kTZ);

constexpr WordList kWordLists[] = {
    {"a, first half", U"a", kAFirst, kAFirstSorted},
    {"a, second half", U"a", kASecond, kASecondSorted},
    {"b", U"b", kB, kBSorted},
    {"c (with ch)", U"c", kC, kCSorted},
    {"d, first half", U"d", kDFirst, kDFirstSorted},
    {"d, second half", U"d", kDSecond, kDSecondSorted},
    {"e, first half", U"e", kEFirst, kEFirstSorted},
    {"e, second half", U"e", kESecond, kESecondSorted},
    {"f and g", U"fg", kFG, kFGSorted},
    {"h, i and j", U"hij", kHIJ, kHIJSorted},
    {"k and l (with ll)", U"kl", kKL, kKLSorted},
    {"m, n, ñ and o", U"mnño", kMNO, kMNOSorted},
    {"p and q", U"pq", kPQ, kPQSorted},
    {"r", U"r", kR, kRSorted},
    {"s", U"s", kS, kSSorted},
    {"t, u, v, x, y and z", U"tuvxyz", kTZ, kTZSorted},
};

}  // namespace

std::span<const WordList> WordLists() { return kWordLists; }

}  // namespace flexoria
