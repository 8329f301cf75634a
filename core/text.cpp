#include "core/text.h"

#include <algorithm>

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
  return true;
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
