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
// Which of four characters need more than narrowing to a byte: not ASCII,
// a control character, a quote or a backslash.
inline __m128i NotPlainJsonAscii(__m128i chars) {
  const __m128i outside = _mm_or_si128(_mm_cmplt_epi32(chars, _mm_set1_epi32(0x20)),
                                       _mm_cmpgt_epi32(chars, _mm_set1_epi32(0x7F)));
  const __m128i quoting = _mm_or_si128(_mm_cmpeq_epi32(chars, _mm_set1_epi32('"')),
                                       _mm_cmpeq_epi32(chars, _mm_set1_epi32('\\')));
  return _mm_or_si128(outside, quoting);
}

inline bool IsPlainJsonAscii(__m128i chars) {
  return _mm_movemask_epi8(NotPlainJsonAscii(chars)) == 0;
}

inline __m128i LoadFour(const char32_t* chars) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars));
}

// Four plain characters narrowed to four bytes at `at`.
inline void StoreFourBytes(__m128i chars, char* at) {
  const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(chars, chars), _mm_setzero_si128());
  const std::int32_t four = _mm_cvtsi128_si32(bytes);
  std::memcpy(at, &four, sizeof four);
}
#endif

// Most of what we write is plain ASCII: it goes four characters at a time
// where the processor allows, narrowed at once; the rest one by one. A text
// of four to eight characters, as most cells are, is read as two blocks of
// four that overlap, with no loop. Inline: a verb's whole table calls it
// some five hundred times, for a few characters each.
[[gnu::always_inline]] inline char* WriteJsonText(TextView text, char* at) {
  const char32_t* c = text.data();
  const char32_t* const end = c + text.size();
#if defined(__SSE2__)
  if (text.size() >= 4 && text.size() <= 8) {
    const __m128i front = LoadFour(c);
    const __m128i back = LoadFour(end - 4);
    const __m128i either = _mm_or_si128(NotPlainJsonAscii(front), NotPlainJsonAscii(back));
    if (_mm_movemask_epi8(either) == 0) {
      StoreFourBytes(front, at);
      StoreFourBytes(back, at + text.size() - 4);
      return at + text.size();
    }
  }
  for (; end - c >= 4; c += 4) {
    const __m128i chars = LoadFour(c);
    if (!IsPlainJsonAscii(chars)) {
      for (int i = 0; i < 4; ++i) at = WriteJsonChar(c[i], at);
      continue;
    }
    StoreFourBytes(chars, at);
    at += 4;
  }
#endif
  for (; c != end; ++c) at = WriteJsonChar(*c, at);
  return at;
}

}  // namespace flexoria
