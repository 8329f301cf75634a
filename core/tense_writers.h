// SPDX-License-Identifier: GPL-3.0-or-later
// The 25 writers: each turns the state into the stem and ending cells of
// one view for one conjugation class. They only read the state.
#pragma once

#include "core/conjugation_state.h"
#include "core/form_cells.h"

namespace flexoria {

// `entry_text` is the entry exactly as typed; only the present writers of
// -ar verbs look at it (estar and dar are told apart by it).
using TenseWriter = void (*)(const ConjugationState& state, TextView entry_text, FormCells& out);

void WritePresentAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePresentEr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePresentIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePreteriteAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePreteriteErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfectAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfectErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteFuture(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteConditional(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePresentSubjAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WritePresentSubjErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfSubj1Ar(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfSubj1ErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfSubj2Ar(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperfSubj2ErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteFutureSubjAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteFutureSubjErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperativeAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperativeEr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteImperativeIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteInfinitive(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteParticipleAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteParticipleErIr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteGerundAr(const ConjugationState& s, TextView entry_text, FormCells& out);
void WriteGerundErIr(const ConjugationState& s, TextView entry_text, FormCells& out);

}  // namespace flexoria
