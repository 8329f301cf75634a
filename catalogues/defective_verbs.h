// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that the Academy's grammar and its Diccionario panhispánico de
// dudas treat as defective in every sense, by the forms they lack. Verbs it
// also conjugates in full are not here: llover and nevar in a figurative
// use (llueven las críticas), abolir since its guidance of 2005.
#pragma once

#include <array>
#include <optional>

#include "core/text.h"

namespace flexoria {

enum class Defect {
  // Weather with no figurative use: the third person singular and the
  // forms without person only (llovizna, lloviznaba, ha lloviznado).
  kWeather,
  // Said only of things: the third persons (acaece, acaecen).
  kThirdPersons,
  // The abolir class: only the forms whose ending begins with i (aterimos,
  // atería, aterido), with the future and conditional built on the
  // infinitive (ateriré).
  kEndingInI,
  // soler: no future, conditional, future subjunctive or imperative.
  kNoFutureNorImperative,
};

struct DefectiveVerb {
  TextView verb;
  Defect defect;
};

inline constexpr std::array<DefectiveVerb, 25> kDefectiveVerbs{{
    {U"lloviznar", Defect::kWeather},
    {U"garuar", Defect::kWeather},
    {U"diluviar", Defect::kWeather},
    {U"neviscar", Defect::kWeather},
    {U"ventiscar", Defect::kWeather},
    {U"ventisquear", Defect::kWeather},
    {U"molliznar", Defect::kWeather},
    {U"molliznear", Defect::kWeather},
    {U"cellisquear", Defect::kWeather},
    {U"acaecer", Defect::kThirdPersons},
    {U"acontecer", Defect::kThirdPersons},
    {U"atañer", Defect::kThirdPersons},
    {U"concernir", Defect::kThirdPersons},
    {U"empecer", Defect::kThirdPersons},
    {U"obstar", Defect::kThirdPersons},
    {U"arrecir", Defect::kEndingInI},
    {U"aterir", Defect::kEndingInI},
    {U"colorir", Defect::kEndingInI},
    {U"descolorir", Defect::kEndingInI},
    {U"manir", Defect::kEndingInI},
    {U"preterir", Defect::kEndingInI},
    {U"usucapir", Defect::kEndingInI},
    {U"empedernir", Defect::kEndingInI},
    {U"embaír", Defect::kEndingInI},
    {U"soler", Defect::kNoFutureNorImperative},
}};

// The defect of `verb`, if the table lists it.
std::optional<Defect> DefectOf(TextView verb);

}  // namespace flexoria
