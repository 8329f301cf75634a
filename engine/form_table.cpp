// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/form_table.h"

#include <algorithm>
#include <charconv>

#include "core/regular_values.h"

namespace flexoria {
namespace {

using enum PersonLabels;
using enum ArException;

using enum Composition;
using enum CliticPlace;

constexpr FormSpec Simple(int option, std::string_view name, TextView title, PersonLabels persons,
                          TenseWriter ar, TenseWriter er, TenseWriter ir, ArException exception,
                          Mood mood = Mood::kIndicative, CliticPlace clitic = kBefore) {
  return {option, name, title, persons, ar, er, ir, exception, kWriter, 0, mood, clitic, {}};
}

constexpr FormSpec Compound(std::string_view name, TextView title, int haber_option, Mood mood,
                            std::string_view beside) {
  return {0,         name,         title, kSixPersons, nullptr, nullptr, nullptr, kNoException,
          kCompound, haber_option, mood,  kBefore,     beside};
}

constexpr FormSpec WholeImperative(std::string_view name, TextView title, Composition composition,
                                   CliticPlace clitic, std::string_view beside) {
  return {0,
          name,
          title,
          kWholeImperative,
          nullptr,
          nullptr,
          nullptr,
          kNoException,
          composition,
          0,
          Mood::kImperative,
          clitic,
          beside};
}

constexpr Mood kSubjunctive = Mood::kSubjunctive;
constexpr Mood kNonFinite = Mood::kNonFinite;

constexpr std::array<FormSpec, kFullParadigmFormCount> kForms{{
    Simple(kPresente, "presente", U"Presente de Indicativo", kSixPersons, WritePresentAr,
           WritePresentEr, WritePresentIr, kVerbIr),
    Simple(kPerfecto, "perfecto", U"Perfecto simple de Indicativo", kSixPersons, WritePreteriteAr,
           WritePreteriteErIr, WritePreteriteErIr, kStrongAndar),
    Simple(kImperfecto, "imperfecto", U"Imperfecto de indicativo", kSixPersons, WriteImperfectAr,
           WriteImperfectErIr, WriteImperfectErIr, kNoException),
    Simple(kFuturo, "futuro", U"Futuro de indicativo", kSixPersons, WriteFuture, WriteFuture,
           WriteFuture, kNoException),
    Simple(kSubjPresente, "subj-presente", U"Presente de subjuntivo", kSixPersons,
           WritePresentSubjAr, WritePresentSubjErIr, WritePresentSubjErIr, kNoException,
           kSubjunctive),
    Simple(kSubjImperfecto1, "subj-imperfecto-1", U"Imperfecto I. de subjuntivo", kSixPersons,
           WriteImperfSubj1Ar, WriteImperfSubj1ErIr, WriteImperfSubj1ErIr, kStrongAndar,
           kSubjunctive),
    Simple(kSubjImperfecto2, "subj-imperfecto-2", U"Imperfecto II. de subjuntivo", kSixPersons,
           WriteImperfSubj2Ar, WriteImperfSubj2ErIr, WriteImperfSubj2ErIr, kStrongAndar,
           kSubjunctive),
    Simple(kSubjFuturo, "subj-futuro", U"Futuro de subjuntivo", kSixPersons, WriteFutureSubjAr,
           WriteFutureSubjErIr, WriteFutureSubjErIr, kStrongAndar, kSubjunctive),
    Simple(kImperativo, "imperativo", U"Imperativo", kImperative, WriteImperativeAr,
           WriteImperativeEr, WriteImperativeIr, kNoException, Mood::kImperative, kJoinedAfter),
    Simple(kCondicional, "condicional", U"Condicional", kSixPersons, WriteConditional,
           WriteConditional, WriteConditional, kNoException),
    Simple(kInfinitivo, "infinitivo", U"Infinitivo", kNoPersons, WriteInfinitive, WriteInfinitive,
           WriteInfinitive, kNoException, kNonFinite, kJoinedAfter),
    Simple(kParticipio, "participio", U"Participio", kNoPersons, WriteParticipleAr,
           WriteParticipleErIr, WriteParticipleErIr, kNoException, kNonFinite, kNone),
    Simple(kGerundio, "gerundio", U"Gerundio", kNoPersons, WriteGerundAr, WriteGerundErIr,
           WriteGerundErIr, kNoException, kNonFinite, kJoinedAfter),
    Compound("perfecto-compuesto", U"Pretérito perfecto compuesto de indicativo", kPresente,
             Mood::kIndicative, "presente"),
    Compound("pluscuamperfecto", U"Pretérito pluscuamperfecto de indicativo", kImperfecto,
             Mood::kIndicative, "imperfecto"),
    Compound("anterior", U"Pretérito anterior de indicativo", kPerfecto, Mood::kIndicative,
             "perfecto"),
    Compound("futuro-compuesto", U"Futuro compuesto de indicativo", kFuturo, Mood::kIndicative,
             "futuro"),
    Compound("condicional-compuesto", U"Condicional compuesto", kCondicional, Mood::kIndicative,
             "condicional"),
    Compound("subj-perfecto", U"Pretérito perfecto de subjuntivo", kSubjPresente, kSubjunctive,
             "subj-presente"),
    Compound("subj-pluscuamperfecto-1", U"Pluscuamperfecto I. de subjuntivo", kSubjImperfecto1,
             kSubjunctive, "subj-imperfecto-1"),
    Compound("subj-pluscuamperfecto-2", U"Pluscuamperfecto II. de subjuntivo", kSubjImperfecto2,
             kSubjunctive, "subj-imperfecto-2"),
    Compound("subj-futuro-compuesto", U"Futuro compuesto de subjuntivo", kSubjFuturo, kSubjunctive,
             "subj-futuro"),
    WholeImperative("imperativo-afirmativo", U"Imperativo afirmativo", kImperativeAffirmative,
                    kJoinedAfter, {}),
    WholeImperative("imperativo-negativo", U"Imperativo negativo", kImperativeNegative, kBefore,
                    "imperativo-afirmativo"),
}};

// Where each option's row stands in the table.
constexpr std::array<std::size_t, kOptionCount + 1> kRowOfOption = [] {
  std::array<std::size_t, kOptionCount + 1> rows{};
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    rows[static_cast<std::size_t>(kForms[row].option)] = row;
  }
  return rows;
}();

constexpr std::array<TextView, 6> kSixPersonLabels{U"1", U"2", U"3", U"1 1", U"2 2", U"3 3"};
constexpr std::array<TextView, 6> kImperativeLabels{U"", U"2", U"", U"", U"2 2", U""};
constexpr std::array<TextView, 5> kWholeImperativeLabels{U"2", U"3", U"1 1", U"2 2", U"3 3"};

// Compared with the entry as typed, so " dar" is an ordinary -ar verb.
bool IsStrongAndar(TextView entry_text) {
  return entry_text == U"andar" || entry_text == U"desandar" || entry_text == U"estar" ||
         entry_text == U"dar" || entry_text == U"desdar";
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view typed, std::string_view name) {
  return std::ranges::equal(typed, name, [](char a, char b) { return AsciiLower(a) == b; });
}

int OptionNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return number >= 1 && number <= kOptionCount ? number : 0;
}

}  // namespace

std::span<const FormSpec> AllForms() { return std::span(kForms).first(kOptionCount); }

std::span<const FormSpec> FullParadigmForms() { return kForms; }

const FormSpec& FormForOption(int option) {
  if (option < 1 || option > kOptionCount) option = 1;
  return kForms[kRowOfOption[static_cast<std::size_t>(option)]];
}

const FormSpec* FindForm(std::string_view name_or_number) {
  if (const int option = OptionNumber(name_or_number)) return &FormForOption(option);
  for (const FormSpec& form : kForms) {
    if (SameName(name_or_number, form.name)) return &form;
  }
  return nullptr;
}

std::span<const TextView> PersonLabelsOf(PersonLabels labels) {
  switch (labels) {
    case kSixPersons:
      return kSixPersonLabels;
    case kImperative:
      return kImperativeLabels;
    case kWholeImperative:
      return kWholeImperativeLabels;
    case kNoPersons:
      break;
  }
  return {};
}

TextView PersonColumnText(PersonLabels labels) {
  constexpr std::array kEveryKind{kSixPersons, kImperative, kWholeImperative, kNoPersons};
  static_assert([&] {
    for (std::size_t at = 0; at < kEveryKind.size(); ++at) {
      if (static_cast<std::size_t>(kEveryKind[at]) != at) return false;
    }
    return true;
  }());
  static const auto kColumns = [&] {
    std::array<Text, kEveryKind.size()> columns;
    for (const PersonLabels kind : kEveryKind) {
      const auto labels_of_kind = PersonLabelsOf(kind);
      JoinColumn(labels_of_kind, labels_of_kind.size(), kLineBreak,
                 columns[static_cast<std::size_t>(kind)]);
    }
    return columns;
  }();
  return kColumns.at(static_cast<std::size_t>(labels));
}

WriterChoice ChooseWriters(const ConjugationState& state, TextView entry_text) {
  static_assert(static_cast<int>(kNoException) == 0 && static_cast<int>(kVerbIr) == 1 &&
                static_cast<int>(kStrongAndar) == 2);
  const TextView ending = state.InfEnding;
  if (ending == U"ar") {
    const auto strong_andar = IsStrongAndar(entry_text) ? &FormSpec::er : &FormSpec::ar;
    return {{&FormSpec::ar, &FormSpec::ar, strong_andar}};
  }
  const auto own = ending == U"er" ? &FormSpec::er : &FormSpec::ir;
  return {{own, state.Verb == U"ir" ? &FormSpec::ar : own, own}};
}

}  // namespace flexoria
