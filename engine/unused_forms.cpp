// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/unused_forms.h"

#include <array>
#include <string_view>

namespace flexoria {
namespace {

constexpr int kNoPerson = -1;
constexpr int kThirdSingular = 2;
constexpr int kThirdPlural = 5;

// The forms soler lacks, with the compound tenses built on them.
constexpr std::array<std::string_view, 9> kSolerLacks{
    "futuro",           "condicional",           "subj-futuro",
    "imperativo",       "imperativo-afirmativo", "imperativo-negativo",
    "futuro-compuesto", "condicional-compuesto", "subj-futuro-compuesto",
};

// The future and the conditional grow from the whole infinitive (aboliré),
// and the compounds from the participle (abolido): both keep the i.
bool KeepsTheI(const FormSpec& form) {
  return form.composition == Composition::kCompound || form.name == "futuro" ||
         form.name == "condicional";
}

bool BeginsWithI(TextView ending) {
  return !ending.empty() && (ending.front() == U'i' || ending.front() == U'í');
}

}  // namespace

bool FormInUse(Defect defect, const FormSpec& form, int person, TextView ending) {
  const bool imperative = form.mood == Mood::kImperative;
  switch (defect) {
    case Defect::kWeather:
      return person == kNoPerson || (person == kThirdSingular && !imperative);
    case Defect::kThirdPersons:
      return person == kNoPerson ||
             ((person == kThirdSingular || person == kThirdPlural) && !imperative);
    case Defect::kEndingInI:
      return KeepsTheI(form) || BeginsWithI(ending);
    case Defect::kNoFutureNorImperative:
      for (const std::string_view lacking : kSolerLacks) {
        if (form.name == lacking) return false;
      }
      return true;
  }
  return true;
}

}  // namespace flexoria
