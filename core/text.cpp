// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <stdexcept>

namespace flexoria {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Sequence length announced by a lead byte, or 0 for a byte that cannot
// start a sequence.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// No character below U+0300 composes with the one before it or is changed
// by composition, so text made only of them is composed already; that is
// nearly every text, and it skips the library.
bool IsComposedAlready(TextView text) {
  return std::ranges::all_of(text, [](char32_t c) { return c < 0x300; });
}

const icu::Normalizer2& Composer() {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* composer = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status) || composer == nullptr) throw std::runtime_error(u_errorName(status));
  return *composer;
}

}  // namespace

std::optional<Text> DecodeUtf8(std::string_view bytes) {
  Text result;
  if (!DecodeUtf8(bytes, result)) return std::nullopt;
  return result;
}

bool DecodeUtf8(std::string_view bytes, Text& result) {
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  result.clear();
  result.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if (!IsContinuation(next)) return false;
      c = (c << 6) | (next & 0x3F);
    }
    if (c < kMinimum[length] || c > 0x10FFFF || IsSurrogate(c)) return false;
    result.push_back(c);
    i += length;
  }
  ComposeNfc(result);
  return true;
}

void ComposeNfc(Text& text) {
  if (IsComposedAlready(text)) return;
  static const icu::Normalizer2& composer = Composer();
  const auto units = static_cast<int32_t>(text.size());
  const icu::UnicodeString decoded =
      icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(text.data()), units);
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString composed = composer.normalize(decoded, status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
  text.resize(static_cast<std::size_t>(composed.countChar32()));
  status = U_ZERO_ERROR;
  composed.toUTF32(reinterpret_cast<UChar32*>(text.data()), static_cast<int32_t>(text.size()),
                   status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
}

void AppendUtf8(TextView text, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + 4 * text.size());
  char* at = out.data() + start;
  for (char32_t c : text) at = WriteUtf8(c, at);
  out.resize(static_cast<std::size_t>(at - out.data()));
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8(text, out);
  return out;
}

bool EndsWith(TextView text, TextView tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsOneOf(TextView word, std::span<const TextView> words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

TextView LastChars(TextView text, std::size_t count) {
  return count >= text.size() ? text : text.substr(text.size() - count);
}

}  // namespace flexoria
