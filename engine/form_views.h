// The thirteen form options: the title each shows, its person column and
// the writer that the verb's class picks.
#pragma once

#include "core/conjugation_state.h"
#include "core/tense_writers.h"

namespace flexoria {

inline constexpr int kOptionCount = 13;

enum class PersonLabels { kSixPersons, kImperative, kNoPersons };

// Which verbs of the -ar class a view sends to another writer.
enum class ArException {
  kNoException,
  kVerbIr,       // "ir" takes the -ar writer (Presente)
  kStrongAndar,  // andar, desandar, estar, dar take the -er/-ir writer
};

struct FormView {
  int option;
  TextView title;
  PersonLabels persons;
  TenseWriter ar;
  TenseWriter er;
  TenseWriter ir;
  ArException exception;
};

// The view of option 1 to 13; an option out of range gets Presente.
const FormView& FormViewFor(int option);

TextView PersonColumnText(PersonLabels labels);

// The writer for the verb in `state` (class from InfEnding; "ír" as "ir").
TenseWriter WriterFor(const FormView& view, const ConjugationState& state, TextView entry_text);

}  // namespace flexoria
