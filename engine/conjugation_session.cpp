#include "engine/conjugation_session.h"

#include "catalogues/irregular_catalogue.h"
#include "catalogues/stem_change.h"
#include "core/regular_values.h"
#include "core/spelling_adjustments.h"
#include "engine/form_views.h"
#include "engine/restricted_use.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

// Only the space character counts as a blank: tabs and no-break spaces stay.
TextView TrimBlanks(TextView text) {
  const auto first = text.find_first_not_of(U' ');
  if (first == TextView::npos) return {};
  const auto last = text.find_last_not_of(U' ');
  return text.substr(first, last - first + 1);
}

bool IsInfinitiveEnding(TextView tail) {
  return tail == U"er" || tail == U"ar" || tail == U"ir" || tail == U"ír";
}

// An ending alone is no verb ("ir" is, and stays accepted).
bool IsBareEnding(TextView verb) { return verb == U"ar" || verb == U"er" || verb == U"ír"; }

}  // namespace

void ConjugationSession::RunRequest(RequestUi& ui) {
  const TextView entry = ui.EntryText();
  if (!AcceptEntry(ui, entry)) return;
  if (state_.Verb != last_verb_) LookUpInLexicon(ui, entry);
  // The stems and endings follow from the entry alone, so when the same
  // entry asks for another form they are already in place.
  const bool prepared = entry == prepared_entry_;
  prepared_entry_.clear();
  if (!prepared) {
    FillRegularValues(state_, entry);
    notice_ = RestrictedUseNotice(state_.Verb, state_.LineBreak);
  }
  if (!notice_.empty()) ui.ShowMessage(notice_, kRestrictedUseTitle);
  if (!prepared) {
    try {
      ApplyCatalogues(entry);
    } catch (const CutFailed&) {
      // A stem that cannot be cut ends the request silently; what is on
      // screen stays as it was.
      return;
    }
  }
  prepared_entry_.assign(entry);
  ShowSelectedForm(ui, entry);
  ui.SetEndingColour(kPureRed);
}

bool ConjugationSession::AcceptEntry(RequestUi& ui, TextView entry) {
  state_.Verb.assign(TrimBlanks(entry));
  const TextView tail = LastChars(entry, 2);
  if (tail == U"se") {
    ui.ShowMessage(kReflexiveMessage, kRequestTitle);
    return false;
  }
  if (!IsInfinitiveEnding(tail) || IsBareEnding(state_.Verb)) {
    ui.ShowMessage(kNotInfinitiveMessage, kRequestTitle);
    return false;
  }
  return true;
}

void ConjugationSession::LookUpInLexicon(RequestUi& ui, TextView entry) {
  state_.Found = IsInLexicon(state_.Verb, entry) ? 1 : 0;
  if (state_.Found != 1) ui.ShowMessage(kUnknownWordMessage, kRequestTitle);
  last_verb_ = state_.Verb;
}

void ConjugationSession::ApplyCatalogues(TextView entry) {
  match_kind_ = kMatchCleared;
  if (EndsWith(state_.Verb, U"ar")) ApplyStemChange(state_, entry, match_kind_);
  if (match_kind_ != kStemChangeMatched) ApplyIrregularCatalogue(state_, entry, match_kind_);
  if (match_kind_ == kNoIrregularEntry) ApplySpellingAdjustments(state_, entry);
  match_kind_ = kMatchCleared;
}

void ConjugationSession::ShowSelectedForm(RequestUi& ui, TextView entry) {
  const FormView& view = FormViewFor(ui.SelectedOption());
  ui.SetPersonColumn(PersonColumnText(view.persons));
  ui.SetTenseTitle(view.title);
  WriterFor(view, state_, entry)(state_, entry, columns_);
  ui.SetResultColumns(columns_.stems, columns_.endings);
}

}  // namespace flexoria
