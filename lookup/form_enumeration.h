// SPDX-License-Identifier: GPL-3.0-or-later
// Every form the engine gives a verb, one at a time, as plain words: the
// one place that says which forms a reverse lookup knows.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "core/cell_notation.h"
#include "core/text.h"
#include "engine/full_paradigm.h"

namespace flexoria {

// One form of one verb for one person. The text is `before` + stem +
// ending + `after`: words in front ("no te ", "me he ") and a pronoun
// attached behind ("te" in lávate); both are empty in the thirteen views.
struct VerbForm {
  std::string_view name;  // the form's short name, as `conjugate --option` knows it
  TextView title;
  TextView person;   // the window's label ("1", "2 2"); empty for the forms without persons
  TextView pronoun;  // "yo", "él/ella/usted"; empty for the forms without persons
  TextView before;
  TextView stem;
  TextView ending;
  TextView after;
  TextView auxiliary;      // haber's form in a compound tense
  TextView clitic;         // a pronominal verb's pronoun
  std::uint8_t label = 0;  // FormLabel of the form and person
};

// One number per form and person, in the order a paradigm shows them: the
// form's place in the table of forms, then the person (vos after tú).
std::uint8_t FormLabel(std::size_t form, int person);
inline constexpr std::size_t kFormLabelCount = kFullParadigmFormCount * 8;

// before + stem + ending + after: what a reader meets.
Text TextOf(const VerbForm& form);

struct IndexedVerb {
  TextView infinitive;
  bool in_lexicon = true;
  bool pronominal_use = true;  // lavarse is a verb; serse is not
};

// The lexicon's words, each once, then the infinitives that only the
// catalogues name.
std::vector<IndexedVerb> IndexedVerbs();

// "lavarse": the pronominal verb every infinitive has.
Text PronominalOf(TextView infinitive);

// Calls `visit` with every form of `verb` (an infinitive, or one with "se"):
// the whole paradigm with vos, without the imperative's dashes, a cell that
// shows alternatives once per alternative. A pronominal verb's forms
// without a pronoun are left to the plain verb. The caller's `paradigm`
// does the conjugating and keeps its buffers from one verb to the next.
void ForEachForm(FullParadigm& paradigm, TextView verb,
                 const std::function<void(const VerbForm&)>& visit);

}  // namespace flexoria
