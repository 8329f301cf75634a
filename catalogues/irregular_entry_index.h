// SPDX-License-Identifier: GPL-3.0-or-later
// Narrows the irregular-verb entries down to those that can match a verb.
// Every entry's verbs end with the entry's tail, so only the entries whose
// tail ends in the verb's last three characters need to be tried: at most a
// handful instead of all of them, still in catalogue order.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "catalogues/irregular_entry.h"

namespace flexoria::irregular {

class EntryIndex {
 public:
  explicit EntryIndex(std::span<const CatalogueEntry> entries);

  // The entries that may match `verb`, in catalogue order. The view stays
  // valid as long as the index.
  std::span<const CatalogueEntry* const> Candidates(TextView verb) const;

 private:
  static constexpr std::size_t kKeyLength = 3;
  static std::uint64_t KeyOf(TextView text);

  std::vector<const CatalogueEntry*> all_;
  // Entries whose tail is shorter than a key may match any verb; each
  // bucket holds them too, in order.
  std::vector<const CatalogueEntry*> short_tails_;
  std::unordered_map<std::uint64_t, std::vector<const CatalogueEntry*>> by_ending_;
};

}  // namespace flexoria::irregular
