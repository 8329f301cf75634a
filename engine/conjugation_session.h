// One conjugation session: the state and the two values that outlive a
// request (the last verb looked up, the catalogues' match flag), and the
// request that runs through them. Whoever runs requests owns one.
#pragma once

#include "core/columns.h"
#include "core/conjugation_state.h"
#include "core/match_kind.h"
#include "engine/request_ui.h"

namespace flexoria {

inline constexpr TextView kRequestTitle = U"Flexoria";
inline constexpr TextView kReflexiveMessage = U"Borre el pronombre \"se\".";
inline constexpr TextView kNotInfinitiveMessage = U"Éste no es un infinitivo.";
inline constexpr TextView kUnknownWordMessage =
    U"Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su conjugación "
    U"será como sigue.";

class ConjugationSession {
 public:
  // Runs one request: reads the entry and the option from `ui`, shows its
  // notices there and, unless the entry is refused, the selected form.
  void RunRequest(RequestUi& ui);

  const ConjugationState& state() const { return state_; }
  const Text& last_verb() const { return last_verb_; }

 private:
  bool AcceptEntry(RequestUi& ui, TextView entry);
  void LookUpInLexicon(RequestUi& ui, TextView entry);
  void ApplyCatalogues(TextView entry);
  void ShowSelectedForm(RequestUi& ui, TextView entry);

  ConjugationState state_;
  Text last_verb_;
  // The entry whose stems and endings the state holds, once all are written.
  Text prepared_entry_;
  Text notice_;  // the restricted-use notice of that entry's verb
  int match_kind_ = kMatchCleared;
  Columns columns_;
};

}  // namespace flexoria
