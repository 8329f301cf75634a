// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule every command applies to a word it is given, on the command
// line or on a line of its input: what it refuses, and how it names a
// refused word on a terminal without letting its bytes act on it.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

// No Spanish verb form comes near it; a longer word is a mistake or noise.
inline constexpr std::size_t kLongestWord = 64;

enum class WordProblem {
  kNone,
  kEmpty,             // nothing but spaces
  kTooLong,           // more than kLongestWord characters between the spaces at its ends
  kControlCharacter,  // C0, DEL or C1, tabs and line breaks included
  kInvalidUtf8,
};

// Decodes `bytes` into `text` (NFC) and checks it; `text` is only
// meaningful when the answer is kNone.
WordProblem CheckWord(std::string_view bytes, Text& text);

// "«ha\x1b[2Jblar» tiene caracteres de control": the word between
// guillemets, each control character and each byte that is no UTF-8
// written as a \x escape.
std::string WordProblemMessage(WordProblem problem, std::string_view bytes);

// The bytes as they may reach a terminal: printable UTF-8 as it is, the
// rest as \x escapes.
std::string ShownSafely(std::string_view bytes);

// The word that stands for "one word per line of standard input".
inline constexpr std::string_view kWordsFromInput = "-";

using TakeWord = std::function<void(std::string_view bytes, const Text& word)>;
using RefuseWord = std::function<void(std::string_view bytes, WordProblem problem)>;
using WaitForInput = std::function<void()>;

// Hands each of `words` to `take` in order, "-" standing for the lines of
// `in`: a blank line is skipped, a line's carriage return dropped. A word
// that breaks the rule goes to `refuse` (when given) and then gets its
// message on `err`, "flexoria-cli <command>: línea 12: …" for a line; the
// others go on. Before it waits for more lines of `in`, it calls
// `before_waiting` (when given): a caller that holds its answers back flushes
// them there. Returns kExitUsage when some word was refused, else kExitOk.
int ReadWords(std::span<const std::string> words, std::istream& in, std::ostream& err,
              std::string_view command, const TakeWord& take, const RefuseWord& refuse = {},
              const WaitForInput& before_waiting = {});

}  // namespace flexoria
