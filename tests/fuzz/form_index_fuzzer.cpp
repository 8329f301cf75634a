// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a stored form index, or the program's own index
// with bytes changed and its end cut: a block that does not hold together
// must be refused with a reason, and one that is taken must answer lookups
// without reading outside it or running on without end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "lookup/form_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // A copy of exactly the block's bytes, so that a read past its end is caught.
  std::vector<std::uint8_t> block;
  if (data[0] % 2 == 0) {
    block.assign(data + 1, data + size);
  } else {
    // Each four bytes: where (24 bits) and what to change it by (8); the
    // first two name how many bytes to cut from the end.
    const std::span<const std::uint8_t> stored = flexoria::EmbeddedFormIndexBlock();
    block.assign(stored.begin(), stored.end());
    std::size_t at = 1;
    if (size >= 3) {
      block.resize(block.size() - std::min<std::size_t>(block.size(), data[1] | data[2] << 8));
      at = 3;
    }
    for (; at + 4 <= size && !block.empty(); at += 4) {
      const std::size_t where = (data[at] | data[at + 1] << 8 | data[at + 2] << 16) % block.size();
      block[where] ^= data[at + 3];
    }
  }
  const flexoria::FormIndex index{std::span<const std::uint8_t>(block)};
  if (index.empty() != !index.error().empty()) std::abort();
  if (index.empty()) return 0;
  std::vector<flexoria::FormReading> readings;
  std::vector<flexoria::FormReading> last_readings;
  std::vector<std::string> accented;
  std::vector<std::string_view> prefixes;
  for (const std::string_view text : {"canto", "cantábamos", "he cantado", "a", ""}) {
    index.AppendReadings(text, readings);
    index.AppendComposed(text, last_readings, readings);
    index.AppendAccented(text, accented);
  }
  index.AppendPrefixes(prefixes);
  return 0;
}
