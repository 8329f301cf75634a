// SPDX-License-Identifier: GPL-3.0-or-later
// The forms Flexoria shows, one row each: its number among the window's
// options, the short name the command line knows it by, its title, the
// persons it has, the writer that the verb's class picks, and for the forms
// beyond the window's thirteen how they are built from the others. The
// engine, the command line, the window and the tests all read this one table.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/conjugation_state.h"
#include "core/tense_writers.h"

namespace flexoria {

// The window's options, numbered as its option buttons are.
enum FormOption : int {
  kPresente = 1,
  kPerfecto = 2,
  kImperfecto = 3,
  kFuturo = 4,
  kSubjPresente = 5,
  kSubjImperfecto1 = 6,
  kSubjFuturo = 7,
  kImperativo = 8,
  kCondicional = 9,
  kInfinitivo = 10,
  kParticipio = 11,
  kGerundio = 12,
  kSubjImperfecto2 = 13,
};
inline constexpr int kOptionCount = 13;
// The thirteen, the nine compound tenses and the two whole imperatives.
inline constexpr std::size_t kFullParadigmFormCount = 24;

// kImperative: the window's (tú and vosotros); kWholeImperative: tú, usted,
// nosotros, vosotros, ustedes.
enum class PersonLabels { kSixPersons, kImperative, kWholeImperative, kNoPersons };

// How a form is made.
enum class Composition {
  kWriter,                 // the writer the verb's class picks
  kCompound,               // haber's form `source` and the participle
  kImperativeAffirmative,  // tú and vosotros from the imperative, the rest from the subjunctive
  kImperativeNegative,     // "no" and the present subjunctive
};

enum class Mood { kIndicative, kSubjunctive, kImperative, kNonFinite };

// Where a pronominal verb's pronoun goes: me lavo, lávate, lavado.
enum class CliticPlace { kBefore, kJoinedAfter, kNone };

// Which verbs of the -ar class a form sends to another writer.
enum class ArException {
  kNoException,
  kVerbIr,       // "ir" takes the -ar writer (Presente)
  kStrongAndar,  // andar, desandar, estar, dar, desdar take the -er/-ir writer
};

struct FormSpec {
  int option;  // Option3D1 to Option3D13
  std::string_view name;
  TextView title;
  PersonLabels persons;
  TenseWriter ar;
  TenseWriter er;
  TenseWriter ir;
  ArException exception;
  Composition composition = Composition::kWriter;
  int source = 0;  // kCompound: the option of haber's form
  Mood mood = Mood::kIndicative;
  CliticPlace clitic = CliticPlace::kBefore;
  // The form a table for people prints this one beside (a compound beside
  // its simple tense); empty for none.
  std::string_view beside;
};

// The window's thirteen forms, in the order the window groups them.
std::span<const FormSpec> AllForms();

// Every form: the thirteen, then the compound tenses and the whole
// imperative, which have no option number (0).
std::span<const FormSpec> FullParadigmForms();

// The form of option 1 to 13; an option out of range gets Presente.
const FormSpec& FormForOption(int option);

// The form with this short name (any letter case; every form has one), or
// with this option number written in digits; nothing for anything else.
const FormSpec* FindForm(std::string_view name_or_number);

// The person label of each displayed line ("1", "2", ... "3 3"); an empty
// label marks a line that holds no form (the imperative's dashes). No
// labels at all for the forms without persons.
std::span<const TextView> PersonLabelsOf(PersonLabels labels);

// The person column as displayed: each label after a line break.
TextView PersonColumnText(PersonLabels labels);

// Which of a form's three writers a verb takes, by the form's exception.
// It follows from the entry alone, so a caller that writes many forms of
// one entry works it out once.
struct WriterChoice {
  std::array<TenseWriter FormSpec::*, 3> by_exception;
};

// The choice for the verb in `state` (class from InfEnding; "ír" as "ir").
WriterChoice ChooseWriters(const ConjugationState& state, TextView entry_text);

inline TenseWriter WriterFor(const FormSpec& form, const WriterChoice& choice) {
  return form.*choice.by_exception[static_cast<std::size_t>(form.exception)];
}

inline TenseWriter WriterFor(const FormSpec& form, const ConjugationState& state,
                             TextView entry_text) {
  return WriterFor(form, ChooseWriters(state, entry_text));
}

}  // namespace flexoria
