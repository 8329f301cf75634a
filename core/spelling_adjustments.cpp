// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spelling_adjustments.h"

#include <initializer_list>

namespace flexoria {
namespace {

using Slots = std::initializer_list<TextSlot>;

// The slots a respelled stem goes into.
const Slots kFirstPersonAndSubjunctive = {
    &ConjugationState::PresStem1, &ConjugationState::SubjStem26, &ConjugationState::SubjStem45,
    &ConjugationState::SubjStem13};
const Slots kSubjunctiveAndPreterite1 = {
    &ConjugationState::SubjStem26, &ConjugationState::SubjStem45, &ConjugationState::SubjStem13,
    &ConjugationState::PretStem1};
const Slots kStressedAr = {&ConjugationState::PresStem1, &ConjugationState::PresStem236,
                           &ConjugationState::SubjStem26, &ConjugationState::SubjStem13,
                           &ConjugationState::ImperStem};
const Slots kYStems = {&ConjugationState::PresStem1,  &ConjugationState::PresStem236,
                       &ConjugationState::SubjStem26, &ConjugationState::SubjStem45,
                       &ConjugationState::SubjStem13, &ConjugationState::ImperStem};
const Slots kDucirPreterite = {&ConjugationState::PretStem1, &ConjugationState::PretStem245,
                               &ConjugationState::PretStem3, &ConjugationState::PretStem6,
                               &ConjugationState::PastSubjStem};

// The -cuar verbs keep the u of their stem unstressed (evacuo, adecue), and
// write no diaeresis, which only belongs after g; these stress it as actuar
// does (licúo, anticúa).
constexpr TextView kCuarWithStressedU[] = {U"licuar", U"promiscuar", U"anticuar"};

// Writes prefix + fragment into every slot, reusing each slot's capacity.
void SetStems(ConjugationState& s, Slots slots, TextView prefix, TextView fragment) {
  for (TextSlot slot : slots) Assign(s.*slot, prefix, fragment);
}

// The endings of verbs whose stem swallows the i of -ió, -ieron, -iendo
// (gruñó, bulleron, gruñendo).
void DropEndingI(ConjugationState& s) {
  s.PastSubjLink.clear();
  s.PretEnding3 = U"ó";
  s.PretEnding6 = U"eron";
  s.GerundEnding = U"endo";
}

bool IsErOrIr(const ConjugationState& s) { return s.InfEnding == U"er" || s.InfEnding == U"ir"; }

// Cuts of the entry: `Drop(n)` is the entry less its last n characters.
struct EntryCuts {
  TextView entry;
  TextView Drop(int n) const { return StemPrefix(entry, n); }
  TextView StemView() const { return Drop(2); }
};

void AdjustFinalConsonantAr(ConjugationState& s, const EntryCuts& cuts) {
  const TextView last = LastChars(cuts.StemView(), 1);
  TextView fragment;
  if (last == U"c") {
    fragment = U"qu";
  } else if (last == U"g") {
    fragment = U"gu";
  } else if (last == U"z") {
    fragment = U"c";
  } else {
    return;  // the regular stems stand
  }
  SetStems(s, kSubjunctiveAndPreterite1, cuts.Drop(3), fragment);
}

void AdjustFinalCErIr(ConjugationState& s, const EntryCuts& cuts) {
  const TextView stem = cuts.StemView();
  const TextView two = LastChars(stem, 2);
  TextView fragment = U"z";
  if (two == U"ec" || two == U"ac" || two == U"oc") {
    const bool mecer = cuts.entry == U"remecer" || cuts.entry == U"mecer";
    fragment = mecer ? U"z" : U"zc";
  } else if (two == U"uc") {
    if (LastChars(stem, 3) == U"duc") {
      SetStems(s, kFirstPersonAndSubjunctive, cuts.Drop(3), U"zc");
      SetStems(s, kDucirPreterite, cuts.Drop(3), U"j");
      s.PretEnding1 = U"e";
      s.PretEnding3 = U"o";
      s.PretEnding6 = U"eron";
      s.PastSubjLink.clear();
      return;
    }
    fragment = U"zc";
  }
  SetStems(s, kFirstPersonAndSubjunctive, cuts.Drop(3), fragment);
}

void AdjustFinalLetterErIr(ConjugationState& s, const EntryCuts& cuts) {
  const TextView last = LastChars(cuts.StemView(), 1);
  if (last == U"c") {
    AdjustFinalCErIr(s, cuts);
  } else if (last == U"g") {
    SetStems(s, kFirstPersonAndSubjunctive, cuts.Drop(3), U"j");
  } else if (last == U"ñ") {
    DropEndingI(s);
  } else if (last == U"a" || last == U"e" || last == U"o") {
    s.PresEnding4Ir = U"ímos";
    s.PretEnding2 = U"íste";
    s.PretEnding3 = U"yó";
    s.PretEnding4 = U"ímos";
    s.PretEnding5 = U"ísteis";
    s.PretEnding6 = U"yeron";
    s.PastSubjLink = U"y";
    s.GerundEnding = U"yendo";
    s.ParticipleEnding = U"ído";
  }
}

// Stage 2: a stem ending in u. Returns what is left of the stem for stage 3.
TextView AdjustFinalU(ConjugationState& s, const EntryCuts& cuts) {
  const TextView stem = cuts.StemView();
  if (LastChars(stem, 1) != U"u") return stem;
  const TextView two = LastChars(stem, 2);
  if (s.InfEnding == U"ar") {
    if (two == U"gu") {
      SetStems(s, kSubjunctiveAndPreterite1, cuts.Drop(4), U"gü");
    } else if (two != U"cu" || IsOneOf(s.Verb, kCuarWithStressedU)) {
      SetStems(s, kStressedAr, cuts.Drop(3), U"ú");
    }
    return stem;
  }
  if (!IsErOrIr(s)) return stem;
  if (two == U"gu" || two == U"qu") {
    SetStems(s, kFirstPersonAndSubjunctive, cuts.Drop(4), two == U"gu" ? U"g" : U"c");
    return cuts.Drop(4);
  }
  SetStems(s, kYStems, stem, U"y");
  s.PastSubjLink = U"y";
  s.PretEnding3 = U"yó";
  s.PretEnding6 = U"yeron";
  s.GerundEnding = U"yendo";
  return stem;
}

}  // namespace

void ApplySpellingAdjustments(ConjugationState& s, TextView entry_text) {
  const EntryCuts cuts{entry_text};
  if (s.InfEnding == U"ar") {
    AdjustFinalConsonantAr(s, cuts);
  } else if (IsErOrIr(s)) {
    AdjustFinalLetterErIr(s, cuts);
  }
  const TextView rest = AdjustFinalU(s, cuts);
  const TextView two = LastChars(rest, 2);
  if (IsErOrIr(s) && (two == U"ch" || two == U"ll")) DropEndingI(s);
}

}  // namespace flexoria
