// SPDX-License-Identifier: GPL-3.0-or-later
// How the forms of several words are made of one-word forms, as the table
// of forms declares it: a compound tense is haber's form before the
// participle ("he tenido"), the negative imperative "no" before the present
// subjunctive ("no tengas"), a pronominal verb's form its pronoun before
// the plain verb's ("me lavo", "no te laves"). The index keeps these few
// rules instead of every such text; the generator's proof shows that they
// give every verb's forms of several words and no other.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/full_paradigm.h"

namespace flexoria {

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

}  // namespace flexoria
