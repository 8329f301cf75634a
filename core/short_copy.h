// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the few characters of a cell, a key or a word. A call to memcpy
// costs more than such a copy takes: two copies of one fixed size that
// overlap in the middle cover every length from that size to twice it, in
// two loads and two stores with no loop.
#pragma once

#include <cstddef>
#include <cstring>

namespace flexoria {

namespace short_copy_detail {

template <std::size_t kSize>
inline void BothEnds(unsigned char* to, const unsigned char* from, std::size_t bytes) {
  std::memcpy(to, from, kSize);
  std::memcpy(to + bytes - kSize, from + bytes - kSize, kSize);
}

}  // namespace short_copy_detail

// Copies `bytes` bytes from `from` to `to`, which must not overlap; either
// may be null when `bytes` is 0.
inline void CopyShort(void* to, const void* from, std::size_t bytes) {
  using short_copy_detail::BothEnds;
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  // Short lengths first: most copies are of a few bytes.
  if (bytes <= 16) {
    if (bytes >= 8) {
      BothEnds<8>(out, in, bytes);
    } else if (bytes >= 4) {
      BothEnds<4>(out, in, bytes);
    } else if (bytes >= 2) {
      BothEnds<2>(out, in, bytes);
    } else if (bytes == 1) {
      *out = *in;
    }
  } else if (bytes <= 32) {
    BothEnds<16>(out, in, bytes);
  } else if (bytes <= 64) {
    BothEnds<32>(out, in, bytes);
  } else {
    std::memcpy(out, in, bytes);
  }
}

}  // namespace flexoria
