#include "engine/typed_form.h"

#include <array>

#include "core/entry_keys.h"
#include "core/written_accents.h"

namespace flexoria {
namespace {

struct LetterPair {
  char32_t from;
  char32_t to;
};

constexpr std::array<LetterPair, 7> kCapitals{{
    {U'Á', U'á'},
    {U'É', U'é'},
    {U'Í', U'í'},
    {U'Ó', U'ó'},
    {U'Ú', U'ú'},
    {U'Ü', U'ü'},
    {U'Ñ', U'ñ'},
}};

// People type a vowel without its accent or its diaeresis alike.
char32_t Unmarked(char32_t c) { return c == U'ü' ? U'u' : WithoutAccent(c); }

template <std::size_t N>
char32_t Mapped(char32_t c, const std::array<LetterPair, N>& pairs) {
  for (const LetterPair& pair : pairs) {
    if (pair.from == c) return pair.to;
  }
  return c;
}

char32_t Lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c - U'A' + U'a';
  return c < 0xC0 ? c : Mapped(c, kCapitals);
}

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

TypedFormProblem NormalizeTypedForm(TextView typed, Text& key) {
  key.clear();
  while (!typed.empty() && IsBlank(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && IsBlank(typed.back())) typed.remove_suffix(1);
  if (typed.empty()) return TypedFormProblem::kEmpty;
  if (typed.size() > kLongestTypedForm) return TypedFormProblem::kTooLong;
  bool after_blank = false;
  for (const char32_t c : typed) {
    if (IsBlank(c)) {
      after_blank = true;
      continue;
    }
    if (IsControl(c)) return TypedFormProblem::kControlCharacter;
    if (after_blank) key += U' ';
    after_blank = false;
    key += Lower(c);
  }
  return TypedFormProblem::kNone;
}

void FoldAccents(TextView text, Text& folded) {
  folded.resize(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) folded[at] = Unmarked(text[at]);
}

bool UndoKeyRemaps(TextView text, Text& letters) {
  letters.assign(text);
  bool remapped = false;
  for (char32_t& c : letters) {
    for (const CharPair& remap : kEntryKeyRemaps) {
      if (c != remap.from) continue;
      c = remap.to;
      remapped = true;
    }
  }
  return remapped;
}

}  // namespace flexoria
