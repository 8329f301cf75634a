// SPDX-License-Identifier: GPL-3.0-or-later
// Text as the inside of a JSON string: escaped only where JSON requires,
// other characters as UTF-8. Inline, for the writers that call it for
// every short text of a verb's table.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/text.h"

namespace flexoria {

// What JSON requires escaped, by ASCII character: 'u' for \u00xx, else the
// letter after the backslash; 0 for a character written as it is.
inline constexpr std::array<char, 0x80> kJsonEscapes = [] {
  std::array<char, 0x80> escapes{};
  for (std::size_t c = 0; c < 0x20; ++c) escapes[c] = 'u';
  escapes['"'] = '"';
  escapes['\\'] = '\\';
  escapes['\b'] = 'b';
  escapes['\f'] = 'f';
  escapes['\n'] = 'n';
  escapes['\r'] = 'r';
  escapes['\t'] = 't';
  return escapes;
}();

inline char* WriteJsonEscape(unsigned char c, char* at) {
  static constexpr char kHex[] = "0123456789abcdef";
  const char escape = kJsonEscapes[c];
  *at++ = '\\';
  *at++ = escape;
  if (escape == 'u') {
    for (char digit : {'0', '0', kHex[c >> 4], kHex[c & 0xF]}) *at++ = digit;
  }
  return at;
}

inline bool NeedsJsonEscape(char32_t c) { return c < 0x80 && kJsonEscapes[c] != 0; }

// One character as JSON text; the caller made room for kWidest bytes.
// These write through a local pointer, not the writer's member: a store of
// a char may alias any object, and a member would be reloaded after each.
inline char* WriteJsonChar(char32_t c, char* at) {
  if (c >= 0x80) return WriteUtf8(c, at);
  if (kJsonEscapes[c] != 0) return WriteJsonEscape(static_cast<unsigned char>(c), at);
  *at = static_cast<char>(c);
  return at + 1;
}

#if defined(__SSE2__)
inline __m128i LoadFour(const char32_t* chars) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars));
}

// Eight characters narrowed to the low eight bytes, saturating: ASCII stays
// itself, and every other character becomes a byte of 0x80 to 0xFF, or 0
// (a value negative as a signed number), so never a plain ASCII byte.
inline __m128i NarrowEight(__m128i first, __m128i second) {
  return _mm_packus_epi16(_mm_packs_epi32(first, second), _mm_setzero_si128());
}

// Whether the low eight bytes need nothing more: a signed byte below 0x20
// is a control character or no ASCII at all; a quote or a backslash needs
// its escape.
inline bool ArePlainJsonBytes(__m128i bytes) {
  const __m128i quoting = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                       _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\')));
  const __m128i other = _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)), quoting);
  return (_mm_movemask_epi8(other) & 0xFF) == 0;
}

// Four to eight characters read as two blocks of four that overlap, with
// no loop; false, with nothing written, unless all of them are plain. They
// are joined in a register and stored in one move of eight bytes: a row's
// text copies them back at once, and a load from what two stores wrote
// waits until both have reached the cache.
inline bool WritePlainFourToEight(const char32_t* chars, std::size_t count, char* at) {
  const __m128i bytes = NarrowEight(LoadFour(chars), LoadFour(chars + count - 4));
  if (!ArePlainJsonBytes(bytes)) return false;
  const auto first = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
  const auto last = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(bytes, 4)));
  // The blocks overlap on the same characters, so or-ing them is exact.
  const std::uint64_t joined = first | (static_cast<std::uint64_t>(last) << (8 * (count - 4)));
  std::memcpy(at, &joined, sizeof joined);
  return true;
}
#endif

// Most of what we write is plain ASCII: it goes eight characters at a time
// where the processor allows, narrowed at once, and the last four to eight
// as two blocks that overlap; the rest one by one. Inline: a verb's whole
// table calls it some five hundred times, for a few characters each. The
// caller made room for six bytes a character (JsonWriter::kWidest): past
// a short text a few more may be written, for what follows to write over.
[[gnu::always_inline]] inline char* WriteJsonText(TextView text, char* at) {
  const char32_t* c = text.data();
  const char32_t* const end = c + text.size();
#if defined(__SSE2__)
  for (; end - c > 8; c += 8) {
    const __m128i bytes = NarrowEight(LoadFour(c), LoadFour(c + 4));
    if (ArePlainJsonBytes(bytes)) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(at), bytes);
      at += 8;
    } else {
      for (int i = 0; i < 8; ++i) at = WriteJsonChar(c[i], at);
    }
  }
  const auto rest = static_cast<std::size_t>(end - c);
  if (rest >= 4 && WritePlainFourToEight(c, rest, at)) return at + rest;
#endif
  for (; c != end; ++c) at = WriteJsonChar(*c, at);
  return at;
}

}  // namespace flexoria
