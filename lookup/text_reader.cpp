// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/text_reader.h"

#include <algorithm>
#include <array>

namespace flexoria {
namespace {

// Letters of Spanish and its neighbours; all else stands between words.
bool IsLetter(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
  return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

// The words a form of several words can start with, besides haber's forms.
constexpr std::array<std::u32string_view, 12> kStarters{
    U"no", U"me", U"te", U"se", U"nos", U"os", U"lo", U"la", U"los", U"las", U"le", U"les"};

char32_t Small(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }

// Bytes that are no UTF-8 become U+FFFD, one per byte, which is no letter.
void DecodeLossy(std::string_view bytes, Text& out) {
  out.clear();
  if (DecodeUtf8(bytes, out)) return;
  out.clear();
  Text one;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (at + length <= bytes.size() && DecodeUtf8(bytes.substr(at, length), one)) {
      out += one;
      at += length;
    } else {
      out += kReplacementCharacter;
      ++at;
    }
  }
}

}  // namespace

std::size_t TextReader::Read(std::string_view utf8,
                             const std::function<void(const TextForm&)>& found) {
  DecodeLossy(utf8, text_);
  SplitWords();
  std::size_t skipped = 0;
  for (std::size_t word = 0; word < words_.size();) {
    std::size_t count = 0;
    if (MayBeginSeveral(word)) {
      std::size_t joined = 1;
      while (joined < kLongestForm && word + joined < words_.size() &&
             words_[word + joined - 1].joined_to_next) {
        ++joined;
      }
      for (std::size_t tried = joined; tried >= 2 && count == 0; --tried) {
        count = ReadSpan(word, tried);
      }
    }
    if (count == 0) count = ReadSpan(word, 1);
    if (count == 0) {
      ++skipped;
      ++word;
      continue;
    }
    const Word& first = words_[word];
    found({first.line, first.column, first.start, words_[word + count - 1].end, span_, answer_});
    word += count;
  }
  return skipped;
}

void TextReader::SplitWords() {
  words_.clear();
  std::size_t line = 1;
  std::size_t line_start = 0;
  bool blanks_only = false;
  for (std::size_t at = 0; at < text_.size();) {
    const char32_t c = text_[at];
    if (!IsLetter(c)) {
      if (!IsBlank(c)) blanks_only = false;
      if (c == U'\n') {
        ++line;
        line_start = at + 1;
      }
      ++at;
      continue;
    }
    if (!words_.empty()) words_.back().joined_to_next = blanks_only;
    const std::size_t start = at;
    while (at < text_.size() && IsLetter(text_[at])) ++at;
    words_.push_back({start, at, line, start - line_start + 1, false});
    blanks_only = true;
  }
}

bool TextReader::MayBeginSeveral(std::size_t word) {
  const Word& first = words_[word];
  if (!first.joined_to_next) return false;
  span_.clear();
  for (std::size_t at = first.start; at < first.end; ++at) span_ += Small(text_[at]);
  if (std::ranges::find(kStarters, TextView(span_)) != kStarters.end()) return true;
  // Every form of haber starts with h.
  return span_.front() == U'h' &&
         std::ranges::any_of(lookup_.Read(span_).readings,
                             [](const FormReading& reading) { return reading.verb == "haber"; });
}

// How many words the span reads as one form: `count`, or 0.
std::size_t TextReader::ReadSpan(std::size_t first, std::size_t count) {
  span_.clear();
  for (std::size_t word = first; word < first + count; ++word) {
    if (word > first) span_ += U' ';
    span_.append(TextView(text_).substr(words_[word].start, words_[word].end - words_[word].start));
  }
  answer_ = &lookup_.Read(span_);
  return answer_->readings.empty() ? 0 : count;
}

}  // namespace flexoria
