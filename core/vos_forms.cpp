// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vos_forms.h"

#include <algorithm>
#include <array>

#include "core/enclitics.h"

namespace flexoria {
namespace {

// The vosotros tail and what vos writes for it, first match first.
struct VosTail {
  VosForm form;
  TextView vosotros;
  TextView vos;
};

inline constexpr std::array<VosTail, 9> kVosTails{{
    {VosForm::kPresent, U"áis", U"ás"},  // habláis: hablás
    {VosForm::kPresent, U"éis", U"és"},  // tenéis: tenés
    {VosForm::kPresent, U"ais", U"as"},  // vais: vas, dais: das
    {VosForm::kPresent, U"eis", U"es"},  // veis: ves
    {VosForm::kPresent, U"ís", U"ís"},   // decís, oís, dormís
    {VosForm::kImperative, U"ad", U"á"},
    {VosForm::kImperative, U"ed", U"é"},  // sed: sé
    {VosForm::kImperative, U"íd", U"í"},  // oíd: oí
    {VosForm::kImperative, U"id", U"í"},
}};

// The verbs whose vos form follows from no vosotros form.
struct VosWord {
  VosForm form;
  TextView verb;
  TextView stem;
  TextView ending;
};

inline constexpr std::array<VosWord, 4> kVosWords{{
    {VosForm::kPresent, U"ser", U"so", U"s"},
    {VosForm::kImperative, U"ser", U"s", U"é"},  // the accent that tells it from "se"
    {VosForm::kPresent, U"haber", U"ha", U"s"},
    {VosForm::kImperative, U"ir", U"and", U"á"},
}};

std::size_t SharedLength(TextView a, TextView b) {
  std::size_t length = 0;
  while (length < a.size() && length < b.size() && a[length] == b[length]) ++length;
  return length;
}

}  // namespace

void WriteVos(VosForm form, TextView verb, TextView vosotros_stem, TextView vosotros_ending,
              VosCells& out) {
  for (const VosWord& word : kVosWords) {
    if (word.form == form && word.verb == verb) {
      out.stem.assign(word.stem);
      out.ending.assign(word.ending);
      return;
    }
  }
  // The whole vosotros form, its tail replaced, then split again.
  Text& whole = out.ending;
  whole.assign(vosotros_stem).append(vosotros_ending);
  for (const VosTail& tail : kVosTails) {
    if (tail.form == form && EndsWith(whole, tail.vosotros)) {
      whole.resize(whole.size() - tail.vosotros.size());
      whole.append(tail.vos);
      break;
    }
  }
  // One syllable takes no written accent: dad gives da, ved ve.
  if (SyllableCount(whole) < 2) std::ranges::transform(whole, whole.begin(), WithoutAccent);
  const std::size_t shared = SharedLength(whole, vosotros_stem);
  out.stem.assign(TextView(whole).substr(0, shared));
  whole.erase(0, shared);
}

}  // namespace flexoria
