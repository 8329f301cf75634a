// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conjugation_state.h"

namespace flexoria {

TextSlot FindSlot(std::string_view name) {
  if (name == "Stem") return &ConjugationState::Stem;
  for (const auto& named : kStemSlots) {
    if (named.name == name) return named.slot;
  }
  for (const auto& named : kEndingSlots) {
    if (named.name == name) return named.slot;
  }
  return nullptr;
}

TextView CutEntry(TextView entry, int keep) {
  if (keep < 0) throw CutFailed{};
  if (keep == 0) return entry;
  return entry.substr(0, static_cast<std::size_t>(keep));
}

}  // namespace flexoria
