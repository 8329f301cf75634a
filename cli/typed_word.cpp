// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/typed_word.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "core/trim.h"

namespace flexoria {
namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// Eight bytes at a time: a batch asks it of every line.
bool IsAscii(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::uint64_t high = 0;
  std::size_t at = 0;
  for (std::uint64_t eight = 0; at + sizeof eight <= bytes.size(); at += sizeof eight) {
    std::memcpy(&eight, bytes.data() + at, sizeof eight);
    high |= eight;
  }
  for (; at < bytes.size(); ++at) high |= static_cast<unsigned char>(bytes[at]);
  return (high & kHighBits) == 0;
}

// Most words are ASCII, which decodes byte for byte and is composed already.
bool DecodeWord(std::string_view bytes, Text& text) {
  if (IsAscii(bytes)) {
    text.resize(bytes.size());
    std::ranges::copy(bytes, text.begin());
    return true;
  }
  return DecodeUtf8(bytes, text);
}

// The lines of a stream, taken from its buffer as they arrive: in a batch of
// a million short forms, std::getline cost as much as reading them.
class InputLines {
 public:
  InputLines(std::istream& in, const WaitForInput& before_waiting)
      : buffer_(*in.rdbuf()), before_waiting_(before_waiting) {}

  // The next line without its line feed, nor the carriage return that a
  // file written with CR LF line ends leaves; false when none is left.
  bool Next(std::string& line) {
    line.clear();
    bool any = false;
    bool ended = false;
    while (!ended && (at_ < chunk_.size() || Refill())) {
      any = true;
      const std::size_t end = std::min(chunk_.find('\n', at_), chunk_.size());
      line.append(chunk_, at_, end - at_);
      ended = end < chunk_.size();
      at_ = ended ? end + 1 : end;
    }
    if (line.ends_with('\r')) line.pop_back();
    return any;
  }

 private:
  // What the stream holds now; waits only when it holds nothing, as a
  // terminal gives its input a line at a time, and then says so first, so
  // that the answers to the lines read so far are out before the next.
  bool Refill() {
    if (before_waiting_ && buffer_.in_avail() <= 0) before_waiting_();
    if (buffer_.sgetc() == std::char_traits<char>::eof()) return false;
    chunk_.resize(static_cast<std::size_t>(std::max<std::streamsize>(buffer_.in_avail(), 1)));
    chunk_.resize(static_cast<std::size_t>(
        buffer_.sgetn(chunk_.data(), static_cast<std::streamsize>(chunk_.size()))));
    at_ = 0;
    return !chunk_.empty();
  }

  std::streambuf& buffer_;
  const WaitForInput& before_waiting_;
  std::string chunk_;
  std::size_t at_ = 0;
};

void AppendEscape(unsigned value, std::string& out) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[(value >> 4) & 0xF];
  out += kDigits[value & 0xF];
}

}  // namespace

WordProblem CheckWord(std::string_view bytes, Text& text) {
  if (!DecodeWord(bytes, text)) return WordProblem::kInvalidUtf8;
  const TextView word = Trimmed(text);
  if (word.empty()) return WordProblem::kEmpty;
  // A lambda, which inlines where a function's address may not: every line asks.
  if (std::ranges::any_of(word, [](char32_t c) { return IsControl(c); })) {
    return WordProblem::kControlCharacter;
  }
  if (word.size() > kLongestWord) return WordProblem::kTooLong;
  return WordProblem::kNone;
}

std::string ShownSafely(std::string_view bytes) {
  std::string shown;
  Text decoded;
  if (!DecodeUtf8(bytes, decoded)) {
    // Which bytes were meant as letters is unknown: only ASCII shows as is.
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x80 && !IsControl(byte)) {
        shown += c;
      } else {
        AppendEscape(byte, shown);
      }
    }
    return shown;
  }
  for (const char32_t c : decoded) {
    if (IsControl(c)) {
      AppendEscape(static_cast<unsigned>(c), shown);
    } else {
      AppendUtf8(TextView(&c, 1), shown);
    }
  }
  return shown;
}

std::string WordProblemMessage(WordProblem problem, std::string_view bytes) {
  std::string quoted = "«" + ShownSafely(bytes) + "»";
  switch (problem) {
    case WordProblem::kEmpty:
      return "una palabra vacía";
    case WordProblem::kTooLong:
      return quoted + " tiene más de " + std::to_string(kLongestWord) + " caracteres";
    case WordProblem::kControlCharacter:
      return quoted + " tiene caracteres de control";
    case WordProblem::kInvalidUtf8:
      return quoted + " no está en UTF-8 válido";
    case WordProblem::kNone:
      break;
  }
  return quoted;
}

int ReadWords(std::span<const std::string> words, std::istream& in, std::ostream& err,
              std::string_view command, const TakeWord& take, const RefuseWord& refuse,
              const WaitForInput& before_waiting) {
  int status = kExitOk;
  Text text;
  const auto one = [&](std::string_view bytes, std::size_t line) {
    const WordProblem problem = CheckWord(bytes, text);
    if (problem == WordProblem::kNone) {
      take(bytes, text);
      return;
    }
    if (refuse) refuse(bytes, problem);
    // One piece, which an unbuffered standard error writes at once.
    std::string message = "flexoria-cli " + std::string(command) + ": ";
    if (line > 0) message += "línea " + std::to_string(line) + ": ";
    err << message + WordProblemMessage(problem, bytes) + ".\n";
    status = kExitUsage;
  };
  for (const std::string& word : words) {
    if (word != kWordsFromInput) {
      one(word, 0);
      continue;
    }
    std::size_t number = 0;
    InputLines lines(in, before_waiting);
    for (std::string line; lines.Next(line);) {
      ++number;
      if (line.find_first_not_of(' ') == std::string::npos) continue;
      one(line, number);
    }
  }
  return status;
}

}  // namespace flexoria
