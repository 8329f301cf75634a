// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/regular_values.h"

#include "core/short_copy.h"

namespace flexoria {

void FillRegularValues(ConjugationState& s, TextView entry) {
  CopyShortText(s.LineBreak, kLineBreak);
  s.HoldsNotation = false;
  s.EntryLength = static_cast<int>(entry.size());
  CopyShortText(s.Stem, StemPrefix(entry, 2));
  CopyShortText(s.InfEnding, LastChars(entry, 2));
  for (const NamedSlot& named : kStemSlots) CopyShortText(s.*named.slot, s.Stem);
  CopyShortText(s.FutureStem, s.Verb);
  for (const EndingSlot& ending : kEndingSlots) CopyShortText(s.*ending.slot, ending.regular);
}

}  // namespace flexoria
