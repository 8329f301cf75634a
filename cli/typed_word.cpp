// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/typed_word.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "core/trim.h"

namespace flexoria {
namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

void AppendEscape(unsigned value, std::string& out) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[(value >> 4) & 0xF];
  out += kDigits[value & 0xF];
}

}  // namespace

WordProblem CheckWord(std::string_view bytes, Text& text) {
  if (!DecodeUtf8(bytes, text)) return WordProblem::kInvalidUtf8;
  const TextView word = Trimmed(text);
  if (word.empty()) return WordProblem::kEmpty;
  if (std::ranges::any_of(word, IsControl)) return WordProblem::kControlCharacter;
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
              std::string_view command, const TakeWord& take, const RefuseWord& refuse) {
  int status = kExitOk;
  Text text;
  const auto one = [&](std::string_view bytes, std::size_t line) {
    const WordProblem problem = CheckWord(bytes, text);
    if (problem == WordProblem::kNone) {
      take(bytes, text);
      return;
    }
    if (refuse) refuse(bytes, problem);
    err << "flexoria-cli " << command << ": ";
    if (line > 0) err << "línea " << line << ": ";
    err << WordProblemMessage(problem, bytes) << ".\n";
    status = kExitUsage;
  };
  for (const std::string& word : words) {
    if (word != kWordsFromInput) {
      one(word, 0);
      continue;
    }
    std::size_t number = 0;
    for (std::string line; ReadLine(in, line);) {
      ++number;
      if (line.find_first_not_of(' ') == std::string::npos) continue;
      one(line, number);
    }
  }
  return status;
}

}  // namespace flexoria
