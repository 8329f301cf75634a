// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tense_writers.h"

#include "core/stressed_endings.h"

namespace flexoria {
namespace {

constexpr TextView kDash = U"   -   ";
constexpr TextView kEmpty = U"";

SixCells PresentStems(const ConjugationState& s) {
  return {s.PresStem1, s.PresStem236, s.PresStem236, s.Stem, s.Stem, s.PresStem236};
}

SixCells SubjunctiveStems(const ConjugationState& s) {
  return {s.SubjStem13, s.SubjStem26, s.SubjStem13, s.SubjStem45, s.SubjStem45, s.SubjStem26};
}

SixCells PreteriteStems(const ConjugationState& s) {
  return {s.PretStem1, s.PretStem245, s.PretStem3, s.PretStem245, s.PretStem245, s.PretStem6};
}

SixCells Same(TextView stem) { return {stem, stem, stem, stem, stem, stem}; }

// The imperative has forms for tú and vosotros only; the other persons show
// a dash over a blank filler whose width each writer sets.
void WriteImperative(FormCells& out, TextView tu_stem, TextView tu_ending, TextView vosotros_stem,
                     TextView vosotros_ending, TextView filler_odd, TextView filler_even) {
  out.SetSix({kDash, tu_stem, kDash, kDash, vosotros_stem, kDash},
             {filler_odd, tu_ending, filler_even, filler_odd, vosotros_ending, filler_even});
}

}  // namespace

void WritePresentAr(const ConjugationState& s, TextView entry_text, FormCells& out) {
  SixCells endings{s.PresEnding1, U"as", U"a", U"amos", s.PresEnding5Ar, U"an"};
  if (IsOneOf(entry_text, kStressedArEndingWords)) {
    endings = {s.PresEnding1, U"ás", U"á", U"amos", s.PresEnding5Ar, U"án"};
  } else if (entry_text == U"dar") {
    endings = {s.PresEnding1, U"as", U"a", U"amos", U"ais", U"an"};
  }
  out.SetSix(PresentStems(s), endings);
}

void WritePresentEr(const ConjugationState& s, TextView, FormCells& out) {
  if (s.Verb == U"ser") {
    out.SetSix({s.PresStem1, U"er", U"es", U"so", U"so", U"so"},
               {s.PresEnding1, U"es", kEmpty, U"mos", U"is", U"n"});
  } else if (s.Verb == U"haber") {
    out.SetSix({s.PresStem1, s.PresStem1, s.PresStem1, s.PresStem1, s.Stem, U"h"},
               {U"e", U"as", U"a", U"emos", U"éis", U"an"});
  } else if (IsOneOf(s.Verb, kVerCompounds)) {
    out.SetSix(PresentStems(s), {s.PresEnding1, U"és", U"é", U"emos", s.PresEnding5Er, U"én"});
  } else {
    out.SetSix(PresentStems(s), {s.PresEnding1, U"es", U"e", U"emos", s.PresEnding5Er, U"en"});
  }
}

void WritePresentIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(PresentStems(s), {s.PresEnding1, U"es", U"e", s.PresEnding4Ir, U"ís", U"en"});
}

void WritePreteriteAr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(PreteriteStems(s), {U"é", U"aste", U"ó", U"amos", U"asteis", U"aron"});
}

void WritePreteriteErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(PreteriteStems(s), {s.PretEnding1, s.PretEnding2, s.PretEnding3, s.PretEnding4,
                                 s.PretEnding5, s.PretEnding6});
}

void WriteImperfectAr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.ImperfStem), {U"aba", U"abas", U"aba", U"ábamos", U"abais", U"aban"});
}

void WriteImperfectErIr(const ConjugationState& s, TextView, FormCells& out) {
  if (s.Verb == U"ser") {
    const TextView stem = s.ImperfStem;
    out.SetSix({stem, stem, stem, U"éra", stem, stem}, {kEmpty, U"s", kEmpty, U"mos", U"is", U"n"});
  } else if (s.Verb == U"ir") {
    out.SetSix({U"i", U"i", U"i", U"í", U"i", U"i"},
               {U"ba", U"bas", U"ba", U"bamos", U"bais", U"ban"});
  } else {
    out.SetSix(Same(s.ImperfStem), {U"ía", U"ías", U"ía", U"íamos", U"íais", U"ían"});
  }
}

void WriteFuture(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.FutureStem), {U"é", U"ás", U"á", U"emos", U"éis", U"án"});
}

void WriteConditional(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.FutureStem), {U"ía", U"ías", U"ía", U"íamos", U"íais", U"ían"});
}

void WritePresentSubjAr(const ConjugationState& s, TextView entry_text, FormCells& out) {
  SixCells endings{U"e", U"es", U"e", U"emos", U"éis", U"en"};
  if (IsOneOf(entry_text, kStressedArEndingWords)) {
    endings = {U"é", U"és", U"é", U"emos", U"éis", U"én"};
  } else if (entry_text == U"dar") {
    endings = {U"é", U"es", U"é", U"emos", U"eis", U"en"};
  }
  out.SetSix(SubjunctiveStems(s), endings);
}

void WritePresentSubjErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(SubjunctiveStems(s), {U"a", U"as", U"a", U"amos", U"áis", U"an"});
}

void WriteImperfSubj1Ar(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"ara", U"aras", U"ara", U"áramos", U"arais", U"aran"});
}

void WriteImperfSubj1ErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"era", U"eras", U"era", U"éramos", U"erais", U"eran"},
             s.PastSubjLink);
}

void WriteImperfSubj2Ar(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"ase", U"ases", U"ase", U"ásemos", U"aseis", U"asen"});
}

void WriteImperfSubj2ErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"ese", U"eses", U"ese", U"ésemos", U"eseis", U"esen"},
             s.PastSubjLink);
}

void WriteFutureSubjAr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"are", U"ares", U"are", U"áremos", U"areis", U"aren"});
}

void WriteFutureSubjErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetSix(Same(s.PastSubjStem), {U"ere", U"eres", U"ere", U"éremos", U"ereis", U"eren"},
             s.PastSubjLink);
}

void WriteImperativeAr(const ConjugationState& s, TextView, FormCells& out) {
  WriteImperative(out, s.ImperStem, s.ImperEndingAr, s.Stem, U"ad", U"      ", U"     ");
}

void WriteImperativeEr(const ConjugationState& s, TextView, FormCells& out) {
  WriteImperative(out, s.ImperStem, s.ImperEndingEr, s.Stem, U"ed", U"     ", U"      ");
}

void WriteImperativeIr(const ConjugationState& s, TextView, FormCells& out) {
  if (s.Verb == U"ir") {
    WriteImperative(out, U"v", U"e", U"i", U"d", U" ", U" ");
  } else {
    WriteImperative(out, s.ImperStem, s.ImperEndingEr, s.Stem, s.ImperEndingIr, U" ", U" ");
  }
}

void WriteInfinitive(const ConjugationState& s, TextView, FormCells& out) {
  if (s.Verb == U"ir") {
    out.SetOne(U"i", U"r");
  } else {
    out.SetOne(s.Stem, s.InfEnding);
  }
}

void WriteParticipleAr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetOne(s.ParticipleStem, U"ado");
}

void WriteParticipleErIr(const ConjugationState& s, TextView, FormCells& out) {
  if (s.Verb == U"ir") {
    out.SetOne(U"i", U"do");
  } else {
    out.SetOne(s.ParticipleStem, s.ParticipleEnding);
  }
}

void WriteGerundAr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetOne(s.GerundStem, U"ando");
}

void WriteGerundErIr(const ConjugationState& s, TextView, FormCells& out) {
  out.SetOne(s.GerundStem, s.GerundEnding);
}

}  // namespace flexoria
