#include "engine/paradigm.h"

#include "engine/conjugation_session.h"
#include "engine/restricted_use.h"

namespace flexoria {
namespace {

// A restricted-use notice comes with every request for its verb; once is enough.
void KeepNotices(const RequestResult& result, Paradigm& paradigm, bool& restricted_kept) {
  if (result.unknown_word)
    paradigm.notices.push_back({Text(kRequestTitle), Text(kUnknownWordMessage)});
  if (!result.restricted_use_notice.empty() && !restricted_kept) {
    paradigm.notices.push_back({Text(kRestrictedUseTitle), Text(result.restricted_use_notice)});
    restricted_kept = true;
  }
}

}  // namespace

Message RefusalMessage(RequestOutcome outcome) {
  const TextView text =
      outcome == RequestOutcome::kRefusedReflexive ? kReflexiveMessage : kNotInfinitiveMessage;
  return {Text(kRequestTitle), Text(text)};
}

std::vector<ParadigmRow> RowsOf(const FormSpec& form, const FormCells& cells) {
  const auto labels = PersonLabelsOf(form.persons);
  std::vector<ParadigmRow> rows;
  for (std::size_t line = 0; line < cells.count; ++line) {
    const TextView person = line < labels.size() ? labels[line] : TextView();
    if (!labels.empty() && person.empty()) continue;
    rows.push_back({person, cells.stems[line], cells.endings[line]});
  }
  return rows;
}

Paradigm ConjugateEntry(TextView entry, std::span<const FormSpec* const> forms) {
  Paradigm paradigm;
  paradigm.entry = entry;
  ConjugationSession session;
  RecordingUi ui;
  bool restricted_kept = false;
  for (const FormSpec* form : forms) {
    ui.PrepareRequest(entry, form->option);
    const RequestResult result = session.RunRequest(ui);
    KeepNotices(result, paradigm, restricted_kept);
    if (result.refused()) paradigm.refusal = RefusalMessage(result.outcome);
    if (!result.shown()) break;
    paradigm.forms.push_back({form, RowsOf(*form, *result.cells)});
  }
  return paradigm;
}

}  // namespace flexoria
