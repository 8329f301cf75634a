#include "engine/form_views.h"

#include <array>

namespace flexoria {
namespace {

using enum PersonLabels;
using enum ArException;

constexpr std::array<FormView, kOptionCount> kFormViews{{
    {1, U"Presente de Indicativo", kSixPersons, WritePresentAr, WritePresentEr, WritePresentIr,
     kVerbIr},
    {2, U"Perfecto simple de Indicativo", kSixPersons, WritePreteriteAr, WritePreteriteErIr,
     WritePreteriteErIr, kStrongAndar},
    {3, U"Imperfecto de indicativo", kSixPersons, WriteImperfectAr, WriteImperfectErIr,
     WriteImperfectErIr, kNoException},
    {4, U"Futuro de indicativo", kSixPersons, WriteFuture, WriteFuture, WriteFuture, kNoException},
    {5, U"Presente de subjuntivo", kSixPersons, WritePresentSubjAr, WritePresentSubjErIr,
     WritePresentSubjErIr, kNoException},
    {6, U"Imperfecto I. de subjuntivo", kSixPersons, WriteImperfSubj1Ar, WriteImperfSubj1ErIr,
     WriteImperfSubj1ErIr, kStrongAndar},
    {7, U"Futuro de subjuntivo", kSixPersons, WriteFutureSubjAr, WriteFutureSubjErIr,
     WriteFutureSubjErIr, kStrongAndar},
    {8, U"Imperativo", kImperative, WriteImperativeAr, WriteImperativeEr, WriteImperativeIr,
     kNoException},
    {9, U"Condicional", kSixPersons, WriteConditional, WriteConditional, WriteConditional,
     kNoException},
    {10, U"Infinitivo", kNoPersons, WriteInfinitive, WriteInfinitive, WriteInfinitive,
     kNoException},
    {11, U"Participio", kNoPersons, WriteParticipleAr, WriteParticipleErIr, WriteParticipleErIr,
     kNoException},
    {12, U"Gerundio", kNoPersons, WriteGerundAr, WriteGerundErIr, WriteGerundErIr, kNoException},
    {13, U"Imperfecto II. de subjuntivo", kSixPersons, WriteImperfSubj2Ar, WriteImperfSubj2ErIr,
     WriteImperfSubj2ErIr, kStrongAndar},
}};

// Compared with the entry as typed, so " dar" is an ordinary -ar verb.
bool IsStrongAndar(TextView entry_text) {
  return entry_text == U"andar" || entry_text == U"desandar" || entry_text == U"estar" ||
         entry_text == U"dar" || entry_text == U"desdar";
}

}  // namespace

const FormView& FormViewFor(int option) {
  if (option < 1 || option > kOptionCount) option = 1;
  return kFormViews[static_cast<std::size_t>(option - 1)];
}

TextView PersonColumnText(PersonLabels labels) {
  switch (labels) {
    case kSixPersons:
      return U"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3";
    case kImperative:
      return U"\r\n\r\n2\r\n\r\n\r\n2 2\r\n";
    case kNoPersons:
      break;
  }
  return {};
}

TenseWriter WriterFor(const FormView& view, const ConjugationState& state, TextView entry_text) {
  const TextView ending = state.InfEnding;
  if (ending == U"ar") {
    const bool elsewhere = view.exception == kStrongAndar && IsStrongAndar(entry_text);
    return elsewhere ? view.er : view.ar;
  }
  if (view.exception == kVerbIr && state.Verb == U"ir") return view.ar;
  return ending == U"er" ? view.er : view.ir;
}

}  // namespace flexoria
