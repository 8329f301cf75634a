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

// People type a vowel without its accent or its diaeresis alike.
char32_t Unmarked(char32_t c) { return c == U'ü' ? U'u' : WithoutAccent(c); }

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
  for (const char32_t c : typed) {
    if (IsBlank(c)) {
      after_blank = true;
      continue;
    }
    if (IsControl(c)) {
      key.clear();
      return TypedFormProblem::kControlCharacter;
    }
    if (after_blank) *out++ = U' ';
    after_blank = false;
    *out++ = LowerLatin1(c);
  }
  key.resize(static_cast<std::size_t>(out - key.data()));
  return TypedFormProblem::kNone;
}

void FoldAccents(TextView text, Text& folded) {
  folded.resize(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) folded[at] = Unmarked(text[at]);
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
  if (std::ranges::none_of(text, IsRemappedKey)) return false;
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
