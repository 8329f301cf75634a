// SPDX-License-Identifier: GPL-3.0-or-later
// What a learner most likely meant by a word that is no form, and why:
// the regular form an irregular verb does not have (rompido: roto), the
// preterite's -stes (hicistes: hiciste), i after the j of a preterite
// (dijieron: dijeron), and a letter that Spanish spells two ways (tubieron:
// tuvieron) or any one letter added, dropped, changed or swapped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/full_paradigm.h"
#include "lookup/form_index.h"

namespace flexoria {

struct Correction {
  std::string text;
  std::string reason;
};

class LearnerMistakes {
 public:
  explicit LearnerMistakes(const FormIndex& index) : index_(index) {}

  // `word`: one word as the index keeps it. Appends the corrections, the
  // likeliest first, no more than `most`; `other_guesses` when the caller
  // already has some (the word's accents).
  void Correct(std::string_view word, std::size_t most, bool other_guesses,
               std::vector<Correction>& out);

 private:
  struct RegularEnding {
    std::string ending;  // "ieron"
    std::string_view infinitive_ending;
    std::string_view name;
    Text person;
  };
  void RegularOfIrregular(std::string_view word, std::vector<Correction>& out);
  void PreteriteSlips(std::string_view word, std::vector<Correction>& out);
  void ConfusableLetters(std::string_view word, std::vector<Correction>& out);
  void OneEditAway(std::string_view word, std::vector<Correction>& out);
  void Offer(std::string text, std::string reason, std::vector<Correction>& out) const;
  const std::vector<RegularEnding>& RegularEndings();
  bool IsVerb(const std::string& infinitive);

  const FormIndex& index_;
  FullParadigm paradigm_;
  std::vector<RegularEnding> endings_;
  std::vector<FormReading> readings_;
  std::size_t most_ = 0;
};

}  // namespace flexoria
