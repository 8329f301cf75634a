// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monosyllable_accents.h"

#include <algorithm>

#include "core/enclitics.h"
#include "core/written_accents.h"

namespace flexoria {
namespace {

std::size_t AccentIn(TextView text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (WithoutAccent(text[at]) != text[at]) return at;
  }
  return TextView::npos;
}

}  // namespace

std::size_t DropMonosyllableAccent(Text& stem, Text& ending) {
  const std::size_t in_stem = AccentIn(stem);
  const std::size_t in_ending = AccentIn(ending);
  if (in_stem == TextView::npos && in_ending == TextView::npos) return TextView::npos;
  Text whole = stem + ending;
  if (SyllableCount(whole) != 1 ||
      std::ranges::find(kDiacriticMonosyllables, whole) != kDiacriticMonosyllables.end()) {
    return TextView::npos;
  }
  if (in_stem != TextView::npos) {
    stem[in_stem] = WithoutAccent(stem[in_stem]);
    return in_stem;
  }
  ending[in_ending] = WithoutAccent(ending[in_ending]);
  return stem.size() + in_ending;
}

void DropMonosyllableAccents(FormCells& cells) {
  for (std::size_t line = 0; line < cells.count; ++line) {
    DropMonosyllableAccent(cells.stems[line], cells.endings[line]);
  }
}

}  // namespace flexoria
