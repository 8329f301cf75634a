// SPDX-License-Identifier: GPL-3.0-or-later
// A form as people type it, made ready for the index: blanks at the ends
// dropped, one blank between words, lower case. Its spellings without
// accents and without the window's remapped keys lead to suggestions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

// Longer than any form; a longer entry is refused rather than looked up.
inline constexpr std::size_t kLongestTypedForm = 64;

enum class TypedFormProblem {
  kNone,
  kEmpty,
  kControlCharacter,
  kTooLong,
  kInvalidUtf8,  // found by the front end that decodes the bytes
};

// Writes the form's index text into `key`.
TypedFormProblem NormalizeTypedForm(TextView typed, Text& key);

// The small letters forms are written with.
constexpr bool IsSmallLetter(char32_t c) {
  constexpr std::u32string_view kMarked = U"áéíóúüñ";
  return (c >= U'a' && c <= U'z') || (c >= 0x80 && kMarked.find(c) != std::u32string_view::npos);
}

// Whether `typed` is its own key already: small letters, one blank between
// words, no mark around them. Nearly every form of a batch is, and skips
// the work of making it one.
bool IsIndexKey(TextView typed);

// á, é, í, ó, ú, ü read as a, e, i, o, u.
void FoldAccents(TextView text, Text& folded);
// The same over valid UTF-8, without decoding it: the lookup folds a few
// candidate words for each form it reads, and most have no mark at all.
void FoldAccents(std::string_view utf8, std::string& folded);

// The spelling of today of a text written before 2010 ("se rió": "se
// rio"): each word of one syllable loses its accent, but dé and sé. False
// when no word changes.
bool RespellOneSyllableWords(TextView text, Text& respelled);

// The letters that the window's remapped keys stand for ("ten`a": tenía);
// false when the text holds none of those keys.
bool UndoKeyRemaps(TextView text, Text& letters);

}  // namespace flexoria
