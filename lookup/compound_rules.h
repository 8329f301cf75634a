// How the forms of several words are made of one-word forms, as the table
// of forms declares it: a compound tense is haber's form before the
// participle ("he tenido"), the negative imperative "no" before the present
// subjunctive ("no tengas"), a pronominal verb's form its pronoun before
// the plain verb's ("me lavo", "no te laves"). The index keeps these few
// rules instead of every such text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/full_paradigm.h"

namespace flexoria {

// A one-word form of a plain verb.
struct SingleWord {
  std::string text;
  std::uint32_t label;
  std::uint8_t stem;  // bytes
  std::uint8_t ending;
};

// A form of several words, of the verb or of its pronominal verb.
struct SeveralWords {
  std::string text;
  std::uint32_t label;
  bool pronominal;
  std::uint8_t before;  // bytes, the blank included
  std::uint8_t stem;
  std::uint8_t ending;
};

struct VerbWords {
  std::vector<SingleWord> single;
  std::vector<SeveralWords> several;
};

// The words before the last one and the label of the last one's reading
// make the form with `label`, of the pronominal verb or not.
struct CompoundRule {
  std::string prefix;
  std::uint32_t last_label;
  std::uint32_t label;
  bool pronominal;
  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads the defaulted comparison.
  auto operator<=>(const CompoundRule&) const = default;
};

// Every rule, sorted: which form the last word is comes from each form's
// composition; the words before it, from a regular verb's paradigm.
std::vector<CompoundRule> DeclaredCompoundRules(FullParadigm& paradigm);

struct RuleFit {
  // Labels (with pronominal) where a rule would give a text the verb does
  // not have: no rule applies to them for this verb.
  std::vector<std::pair<std::uint32_t, bool>> blocked;
  // The forms no unblocked rule gives back, to be stored whole.
  std::vector<const SeveralWords*> exceptions;
};

RuleFit FitCompoundRules(const VerbWords& verb, const std::vector<CompoundRule>& rules);

}  // namespace flexoria
