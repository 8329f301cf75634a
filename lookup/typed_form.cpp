// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/typed_form.h"

#include <algorithm>
#include <array>

#include "core/entry_keys.h"
#include "core/monosyllable_accents.h"
#include "core/trim.h"
#include "core/written_accents.h"

namespace flexoria {
namespace {

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// Every remapped key is ASCII: a table by character answers at once
// whether one was typed, where reading the pairs took a loop per character.
constexpr std::array<bool, 0x80> kRemappedKeys = [] {
  std::array<bool, 0x80> keys{};
  for (const CharPair& pair : kEntryKeyRemaps) keys.at(pair.from) = true;
  return keys;
}();

bool IsRemappedKey(char32_t c) { return c < kRemappedKeys.size() && kRemappedKeys[c]; }

// The letter a marked vowel folds to, by the low six bits of the second
// byte of its UTF-8 (0 for none); the first is kMarkedLetterLead.
constexpr std::array<char, 0x40> kFoldedBySecondByte = [] {
  std::array<char, 0x40> folded{};
  for (char32_t c = 0xC0; c <= 0xFF; ++c) {
    if (WithoutMarks(c) != c) folded.at(c & 0x3F) = static_cast<char>(WithoutMarks(c));
  }
  return folded;
}();
static_assert(WithoutMarks(U'á') == U'a' && WithoutMarks(U'ü') == U'u' &&
              WithoutMarks(U'ñ') == U'ñ');

}  // namespace

TypedFormProblem NormalizeTypedForm(TextView typed, Text& key) {
  key.clear();
  typed = Trimmed(typed, U" \t");
  if (typed.empty()) return TypedFormProblem::kEmpty;
  if (typed.size() > kLongestTypedForm) return TypedFormProblem::kTooLong;
  // Written in place: every lookup starts here.
  key.resize(typed.size());
  char32_t* out = key.data();
  bool after_blank = false;
  for (char32_t c : typed) {
    if (IsBlank(c)) {
      after_blank = true;
      continue;
    }
    if (after_blank) *out++ = U' ';
    after_blank = false;
    // Nearly every character typed is a small ASCII letter, which stays.
    if (c < U'a' || c > U'z') {
      if (IsControl(c)) {
        key.clear();
        return TypedFormProblem::kControlCharacter;
      }
      c = LowerLatin1(c);
    }
    *out++ = c;
  }
  key.resize(static_cast<std::size_t>(out - key.data()));
  return TypedFormProblem::kNone;
}

// No letter is one of the window's remapped keys, so a key needs no undoing.
static_assert(std::ranges::none_of(kEntryKeyRemaps,
                                   [](const CharPair& key) { return IsSmallLetter(key.from); }));

bool IsIndexKey(TextView typed) {
  if (typed.empty() || typed.size() > kLongestTypedForm || typed.front() == U' ' ||
      typed.back() == U' ') {
    return false;
  }
  bool after_blank = false;
  for (const char32_t c : typed) {
    if (c == U' ' ? after_blank : !IsSmallLetter(c)) return false;
    after_blank = c == U' ';
  }
  return true;
}

void FoldAccents(TextView text, Text& folded) {
  folded.resize(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) folded[at] = WithoutMarks(text[at]);
}

void FoldAccents(std::string_view utf8, std::string& folded) {
  folded.assign(utf8);
  std::size_t kept = 0;
  for (std::size_t at = 0; at < folded.size(); ++at) {
    const auto byte = static_cast<unsigned char>(folded[at]);
    const char plain = byte == kMarkedLetterLead && at + 1 < folded.size()
                           ? kFoldedBySecondByte[static_cast<unsigned char>(folded[at + 1]) & 0x3F]
                           : '\0';
    if (plain != '\0') {
      folded[kept++] = plain;
      ++at;
    } else {
      folded[kept++] = folded[at];
    }
  }
  folded.resize(kept);
}

bool RespellOneSyllableWords(TextView text, Text& respelled) {
  respelled.clear();
  Text word, none;
  bool changed = false;
  for (std::size_t from = 0; from <= text.size();) {
    const std::size_t blank = std::min(text.find(U' ', from), text.size());
    word.assign(text.substr(from, blank - from));
    changed |= DropMonosyllableAccent(word, none) != TextView::npos;
    if (from > 0) respelled.push_back(U' ');
    respelled.append(word);
    from = blank + 1;
  }
  return changed;
}

bool UndoKeyRemaps(TextView text, Text& letters) {
  // Most forms hold no remapped key at all, and are not copied.
  // A lambda, which inlines where a function's address may not.
  if (std::ranges::none_of(text, [](char32_t c) { return IsRemappedKey(c); })) return false;
  letters.assign(text);
  bool remapped = false;
  for (char32_t& c : letters) {
    const char32_t letter = RemappedKey(c);
    remapped |= letter != c;
    c = letter;
  }
  return remapped;
}

}  // namespace flexoria
