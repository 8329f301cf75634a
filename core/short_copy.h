// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the few characters of a cell, a key or a word. A call to memcpy
// costs more than such a copy takes: two copies of one fixed size that
// overlap in the middle cover every length from that size to twice it, in
// two loads and two stores with no loop. Comparing such texts goes the
// same way.
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

template <std::size_t kSize>
inline bool SameBothEnds(const unsigned char* a, const unsigned char* b, std::size_t bytes) {
  return std::memcmp(a, b, kSize) == 0 &&
         std::memcmp(a + bytes - kSize, b + bytes - kSize, kSize) == 0;
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
  } else if (bytes <= 128) {
    BothEnds<64>(out, in, bytes);
  } else {
    std::memcpy(out, in, bytes);
  }
}

// The same for `count` characters of engine text; returns where they end.
inline char32_t* CopyShortChars(char32_t* to, const char32_t* from, std::size_t count) {
  CopyShort(to, from, count * sizeof(char32_t));
  return to + count;
}

// Whether `a` and `b` hold the same characters, compared by the steps
// CopyShort copies them by.
inline bool SameShortText(std::u32string_view a, std::u32string_view b) {
  using short_copy_detail::SameBothEnds;
  if (a.size() != b.size()) return false;
  const auto* left = reinterpret_cast<const unsigned char*>(a.data());
  const auto* right = reinterpret_cast<const unsigned char*>(b.data());
  const std::size_t count = a.size();
  const std::size_t bytes = count * sizeof(char32_t);
  if (count > 16) return std::memcmp(left, right, bytes) == 0;
  if (count >= 8) return SameBothEnds<32>(left, right, bytes);
  if (count >= 4) return SameBothEnds<16>(left, right, bytes);
  if (count >= 2) return SameBothEnds<8>(left, right, bytes);
  return count == 0 || a[0] == b[0];
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
