// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/regular_values.h"

namespace flexoria {

void FillRegularValues(ConjugationState& s, TextView entry) {
  s.LineBreak = kLineBreak;
  s.EntryLength = static_cast<int>(entry.size());
  s.Stem.assign(StemPrefix(entry, 2));
  s.InfEnding.assign(LastChars(entry, 2));
  for (const NamedSlot& named : kStemSlots) s.*named.slot = s.Stem;
  s.FutureStem = s.Verb;
  // Copying from strings of their own is cheaper than assigning literals.
  static const ConjugationState regular_endings = [] {
    ConjugationState endings;
    for (const EndingSlot& ending : kEndingSlots) (endings.*ending.slot).assign(ending.regular);
    return endings;
  }();
  for (const EndingSlot& ending : kEndingSlots) s.*ending.slot = regular_endings.*ending.slot;
}

}  // namespace flexoria
