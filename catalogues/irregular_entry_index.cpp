// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/irregular_entry_index.h"

namespace flexoria::irregular {
namespace {

bool HasShortTail(const CatalogueEntry& entry, std::size_t key_length) {
  return entry.test.tail.size() < key_length;
}

}  // namespace

std::uint64_t EntryIndex::KeyOf(TextView text) {
  std::uint64_t key = 0;
  for (char32_t c : text.substr(text.size() - kKeyLength)) key = (key << 21) | (c & 0x1FFFFF);
  return key;
}

EntryIndex::EntryIndex(std::span<const CatalogueEntry> entries) {
  for (const CatalogueEntry& entry : entries) {
    all_.push_back(&entry);
    if (HasShortTail(entry, kKeyLength)) short_tails_.push_back(&entry);
  }
  for (const CatalogueEntry& entry : entries) {
    if (HasShortTail(entry, kKeyLength)) continue;
    const std::uint64_t key = KeyOf(entry.test.tail);
    if (by_ending_.contains(key)) continue;
    std::vector<const CatalogueEntry*>& bucket = by_ending_[key];
    for (const CatalogueEntry* candidate : all_) {
      if (HasShortTail(*candidate, kKeyLength) || KeyOf(candidate->test.tail) == key) {
        bucket.push_back(candidate);
      }
    }
  }
}

std::span<const CatalogueEntry* const> EntryIndex::Candidates(TextView verb) const {
  if (verb.size() < kKeyLength) return all_;
  const auto bucket = by_ending_.find(KeyOf(verb));
  return bucket != by_ending_.end() ? bucket->second : short_tails_;
}

}  // namespace flexoria::irregular
