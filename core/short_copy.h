// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the few characters of a cell, a key or a word. A call to memcpy
// costs more than such a copy takes: two copies of one fixed size that
// overlap in the middle cover every length from that size to twice it, in
// two loads and two stores with no loop.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

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
  if (bytes > 64) {
    std::memcpy(out, in, bytes);
  } else if (bytes >= 32) {
    BothEnds<32>(out, in, bytes);
  } else if (bytes >= 16) {
    BothEnds<16>(out, in, bytes);
  } else if (bytes >= 8) {
    BothEnds<8>(out, in, bytes);
  } else if (bytes >= 4) {
    BothEnds<4>(out, in, bytes);
  } else if (bytes >= 2) {
    BothEnds<2>(out, in, bytes);
  } else if (bytes == 1) {
    *out = *in;
  }
}

// The same for `count` characters of engine text, none shorter than four
// bytes: the steps below that are never asked.
inline void CopyShortChars(char32_t* to, const char32_t* from, std::size_t count) {
  using short_copy_detail::BothEnds;
  auto* out = reinterpret_cast<unsigned char*>(to);
  const auto* in = reinterpret_cast<const unsigned char*>(from);
  const std::size_t bytes = count * sizeof(char32_t);
  if (count > 16) {
    std::memcpy(out, in, bytes);
  } else if (count >= 8) {
    BothEnds<32>(out, in, bytes);
  } else if (count >= 4) {
    BothEnds<16>(out, in, bytes);
  } else if (count >= 2) {
    BothEnds<8>(out, in, bytes);
  } else if (count == 1) {
    *to = *from;
  }
}

// Writes first + second into `text`, in the capacity it already has when
// that is enough: the cells and slots that are rewritten for every verb
// then cost no more than their characters. Neither part may view `text`.
inline void CopyShortText(std::u32string& text, std::u32string_view first,
                          std::u32string_view second = {}) {
  const std::size_t size = first.size() + second.size();
  text.resize(size);
  CopyShortChars(text.data(), first.data(), first.size());
  if (!second.empty()) CopyShortChars(text.data() + first.size(), second.data(), second.size());
}

}  // namespace flexoria
