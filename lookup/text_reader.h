// SPDX-License-Identifier: GPL-3.0-or-later
// The verb forms of running text: each word, or a few words together when
// they make one form («había dicho», «no se lo digas»), read with the
// lookup's readings, with its place in the text. Words that are no verb
// form are counted.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "lookup/form_lookup.h"

namespace flexoria {

// Places count characters, not bytes: lines and columns from 1, offsets
// from 0, `end` one past the form's last character.
struct TextForm {
  std::size_t line = 0;
  std::size_t column = 0;
  std::size_t start = 0;
  std::size_t end = 0;
  TextView text;  // the words, one blank between them, as written
  const Identification* answer = nullptr;
};

class TextReader {
 public:
  explicit TextReader(const FormIndex& index) : lookup_(index) {}

  // Calls `found` with each form in `utf8`, in order; bytes that are no
  // UTF-8 stand between words. Returns how many words were no form.
  std::size_t Read(std::string_view utf8, const std::function<void(const TextForm&)>& found);

  // The most words one form spans: no + two pronouns + haber + participle.
  static constexpr std::size_t kLongestForm = 5;

 private:
  struct Word {
    std::size_t start;  // in `text_`
    std::size_t end;
    std::size_t line;
    std::size_t column;
    bool joined_to_next;  // only blanks between it and the next word
  };
  void SplitWords();
  bool MayBeginSeveral(std::size_t word);
  std::size_t ReadSpan(std::size_t first, std::size_t count);

  FormLookup lookup_;
  Text text_;
  Text span_;
  const Identification* answer_ = nullptr;  // of the last span read
  std::vector<Word> words_;
};

}  // namespace flexoria
