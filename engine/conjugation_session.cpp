// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/conjugation_session.h"

#include <algorithm>

#include "catalogues/irregular_catalogue.h"
#include "catalogues/stem_change.h"
#include "core/monosyllable_accents.h"
#include "core/regular_values.h"
#include "core/spelling_adjustments.h"
#include "core/trim.h"
#include "engine/form_table.h"
#include "engine/restricted_use.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

bool IsInfinitiveEnding(TextView tail) {
  return tail == U"er" || tail == U"ar" || tail == U"ir" || tail == U"ír";
}

// An ending alone is no verb ("ir" is, and stays accepted).
bool IsBareEnding(TextView verb) { return verb == U"ar" || verb == U"er" || verb == U"ír"; }

}  // namespace

// Only the space character counts as a blank: tabs and no-break spaces stay.
void ReadEntry(TextView typed, Text& read) {
  const TextView trimmed = Trimmed(typed);
  read.resize(trimmed.size());
  std::ranges::transform(trimmed, read.begin(), LowerLatin1);
}

RequestResult ConjugationSession::RunRequest(RequestUi& ui) {
  RequestResult result = PrepareRequest(ui);
  if (!result.shown()) return result;
  result.form = &ShowSelectedForm(ui);
  result.cells = &cells_;
  ui.SetEndingColour(kPureRed);
  return result;
}

RequestResult ConjugationSession::PrepareRequest(RequestUi& ui) {
  ReadEntry(ui.EntryText(), entry_);
  const TextView entry = entry_;
  RequestResult result;
  result.outcome = AcceptEntry(ui, entry);
  if (result.refused()) return result;
  if (state_.Verb != last_verb_) result.unknown_word = !LookUpInLexicon(ui, entry);
  // The stems and endings follow from the entry alone, so when the same
  // entry asks for another form they are already in place.
  const bool prepared = entry == prepared_entry_;
  prepared_entry_.clear();
  if (!prepared) {
    FillRegularValues(state_, entry);
    notice_ = RestrictedUseNotice(state_.Verb, state_.LineBreak);
  }
  result.restricted_use_notice = notice_;
  if (!notice_.empty()) ui.ShowMessage(notice_, kRestrictedUseTitle);
  if (!prepared) {
    try {
      ApplyCatalogues(entry);
    } catch (const CutFailed&) {
      // A stem that cannot be cut ends the request silently; what is on
      // screen stays as it was.
      result.outcome = RequestOutcome::kStoppedSilently;
      return result;
    }
    monosyllables_possible_ = StemsMayMakeMonosyllables(state_);
    writers_ = ChooseWriters(state_, entry);
  }
  prepared_entry_.assign(entry);
  return result;
}

RequestOutcome ConjugationSession::AcceptEntry(RequestUi& ui, TextView entry) {
  state_.Verb.assign(entry);
  const TextView tail = LastChars(entry, 2);
  if (tail == U"se") {
    ui.ShowMessage(kReflexiveMessage, kRequestTitle);
    return RequestOutcome::kRefusedReflexive;
  }
  if (!IsInfinitiveEnding(tail) || IsBareEnding(state_.Verb)) {
    ui.ShowMessage(kNotInfinitiveMessage, kRequestTitle);
    return RequestOutcome::kRefusedNotInfinitive;
  }
  return RequestOutcome::kShown;
}

bool ConjugationSession::LookUpInLexicon(RequestUi& ui, TextView entry) {
  state_.Found = IsInLexicon(state_.Verb, entry) ? 1 : 0;
  if (state_.Found != 1) ui.ShowMessage(kUnknownWordMessage, kRequestTitle);
  last_verb_ = state_.Verb;
  return state_.Found == 1;
}

void ConjugationSession::ApplyCatalogues(TextView entry) {
  MatchKind match = kMatchCleared;
  if (EndsWith(state_.Verb, U"ar")) match = ApplyStemChange(state_, entry);
  if (match != kStemChangeMatched) match = ApplyIrregularCatalogue(state_, entry);
  if (match == kNoIrregularEntry) ApplySpellingAdjustments(state_, entry);
}

const FormSpec& ConjugationSession::ShowSelectedForm(RequestUi& ui) {
  const FormSpec& form = FormForOption(ui.SelectedOption());
  ui.SetPersonColumn(PersonColumnText(form.persons));
  ui.SetTenseTitle(form.title);
  WriteForm(form, cells_);
  ui.SetResultCells(cells_);
  return form;
}

void ConjugationSession::WriteForm(const FormSpec& form, FormCells& cells) const {
  WriterFor(form, writers_)(state_, prepared_entry_, cells);
  // The writers join stems and endings that carry their own accents
  // (fi + é); the whole form is what the spelling rule judges.
  if (monosyllables_possible_) DropMonosyllableAccents(cells);
}

}  // namespace flexoria
