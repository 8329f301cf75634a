// SPDX-License-Identifier: GPL-3.0-or-later
// Engine text: one element per character, so that lengths and cuts count
// characters and a cut can never split one. Conversion to and from UTF-8
// happens only at the edges (window, terminal, JSON).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flexoria {

using Text = std::u32string;
using TextView = std::u32string_view;

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Decodes UTF-8 into composed text (NFC), so that a letter typed as a base
// and a combining mark (n + U+0303) is the one letter (ñ) the engine knows.
// Returns nothing for malformed input: invalid sequences, overlong forms,
// surrogate code points and values above U+10FFFF.
std::optional<Text> DecodeUtf8(std::string_view bytes);
// The same into `out`, reusing its capacity; false (and `out` undefined)
// for malformed input.
bool DecodeUtf8(std::string_view bytes, Text& out);

// Composes `text` in place (NFC). Every text that enters the engine passes
// here, whichever front end decoded it.
void ComposeNfc(Text& text);

// Encodes to UTF-8, appending to `out`. Code points that cannot be encoded
// (surrogates, values above U+10FFFF) become U+FFFD.
void AppendUtf8(TextView text, std::string& out);
// Writes one code point's UTF-8 (one to four bytes) at `at`, by the same
// rule; returns the position after it. Inline: the JSON writers call it for
// every character they write.
inline char* WriteUtf8(char32_t c, char* at) {
  if (c < 0x80) {
    *at++ = static_cast<char>(c);
    return at;
  }
  if (c < 0x800) {
    *at++ = static_cast<char>(0xC0 | (c >> 6));
  } else {
    if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacementCharacter;
    if (c < 0x10000) {
      *at++ = static_cast<char>(0xE0 | (c >> 12));
    } else {
      *at++ = static_cast<char>(0xF0 | (c >> 18));
      *at++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    }
    *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *at++ = static_cast<char>(0x80 | (c & 0x3F));
  return at;
}
std::string EncodeUtf8(TextView text);

bool EndsWith(TextView text, TextView tail);

// A capital letter of Latin-1 (A to Z, À to Þ except ×) as its small
// letter; any other character as it is. Inline: every entry and every
// typed form passes through it a character at a time.
constexpr char32_t LowerLatin1(char32_t c) {
  constexpr char32_t kToSmall = U'a' - U'A';  // the same distance from À to à
  const bool capital = (c >= U'A' && c <= U'Z') || (c >= U'À' && c <= U'Þ' && c != U'×');
  return capital ? c + kToSmall : c;
}

// Whether `word` is one of `words`, compared whole.
bool IsOneOf(TextView word, std::span<const TextView> words);

// The last `count` characters of `text`, or all of it when it is shorter.
TextView LastChars(TextView text, std::size_t count);

}  // namespace flexoria
