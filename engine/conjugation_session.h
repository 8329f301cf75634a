// SPDX-License-Identifier: GPL-3.0-or-later
// One conjugation session: the state and the last verb looked up, which
// outlive a request, and the request that runs through them. Whoever runs
// requests owns one.
#pragma once

#include "core/conjugation_state.h"
#include "core/form_cells.h"
#include "engine/form_table.h"
#include "engine/request_result.h"
#include "engine/request_ui.h"

namespace flexoria {

inline constexpr TextView kRequestTitle = U"Flexoria";
inline constexpr TextView kReflexiveMessage = U"Borre el pronombre \"se\".";
inline constexpr TextView kNotInfinitiveMessage = U"Éste no es un infinitivo.";
inline constexpr TextView kUnknownWordMessage =
    U"Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su conjugación "
    U"será como sigue.";

// The entry as people type it and as every request reads it: without the
// spaces at its ends, its Latin-1 capitals as small letters ("  Tener " is
// tener). Every other character stays as typed.
void ReadEntry(TextView typed, Text& read);

class ConjugationSession {
 public:
  // Runs one request: reads the entry (ReadEntry) and the option from `ui`, shows its
  // notices there and, unless the entry is refused, the selected form.
  RequestResult RunRequest(RequestUi& ui);
  // The same up to the form: notices shown, the verb's stems and endings
  // ready, but no form written or shown (the result's form and cells stay
  // null). For callers that then write the forms they want with WriteForm.
  RequestResult PrepareRequest(RequestUi& ui);

  // The next request looks its verb up again and shows the unknown-word
  // notice as for a verb not seen before: for callers that take each verb
  // as a request of its own.
  void ForgetLastVerb() { last_verb_.clear(); }

  // Writes `form` (one of AllForms) of the entry the last request showed or
  // prepared into `cells`, as a request with that form's option selected
  // would: for callers that want every form of one verb, who need not read
  // the entry again nor copy the session's cells. Only after a request that
  // was shown or prepared.
  void WriteForm(const FormSpec& form, FormCells& cells) const;

  const ConjugationState& state() const { return state_; }
  const Text& last_verb() const { return last_verb_; }

 private:
  RequestOutcome AcceptEntry(RequestUi& ui, TextView entry);
  bool LookUpInLexicon(RequestUi& ui, TextView entry);
  void ApplyCatalogues(TextView entry);
  const FormSpec& ShowSelectedForm(RequestUi& ui);

  ConjugationState state_;
  Text last_verb_;
  Text entry_;  // the entry of the running request, as read
  // The entry whose stems and endings the state holds, once all are written.
  Text prepared_entry_;
  Text notice_;  // the restricted-use notice of that entry's verb
  // Whether that entry's forms need the one-syllable accent rule.
  bool monosyllables_possible_ = true;
  WriterChoice writers_{};
  FormCells cells_;
};

}  // namespace flexoria
