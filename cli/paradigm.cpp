#include "cli/paradigm.h"

#include <algorithm>

#include "engine/conjugation_session.h"

namespace flexoria {
namespace {

constexpr TextView kLineBreak = U"\r\n";

bool SameMessage(const Message& a, const Message& b) {
  return a.title == b.title && a.text == b.text;
}

bool IsRefusal(const Message& message) {
  return message.text == kReflexiveMessage || message.text == kNotInfinitiveMessage;
}

// A restricted-use notice comes with every request for its verb; once is enough.
void SortMessages(const std::vector<Message>& shown, Paradigm& paradigm) {
  for (const Message& message : shown) {
    if (IsRefusal(message)) {
      paradigm.refusal = message;
      continue;
    }
    const auto same = [&](const Message& kept) { return SameMessage(kept, message); };
    if (std::ranges::none_of(paradigm.notices, same)) paradigm.notices.push_back(message);
  }
}

// The imperative labels only the persons it has a form for; the lines of
// the others hold placeholders and are not rows of the table.
std::vector<FormRow> RowsOf(const RecordingUi& ui) {
  const std::vector<Text> persons = ColumnCells(ui.persons());
  const std::vector<Text> stems = ColumnCells(ui.stems());
  const std::vector<Text> endings = ColumnCells(ui.endings());
  std::vector<FormRow> rows;
  for (std::size_t line = 0; line < stems.size(); ++line) {
    Text person = line < persons.size() ? persons[line] : Text();
    if (!persons.empty() && person.empty()) continue;
    rows.push_back(
        {std::move(person), stems[line], line < endings.size() ? endings[line] : Text()});
  }
  return rows;
}

}  // namespace

std::vector<Text> ColumnCells(TextView column) {
  std::vector<Text> cells;
  if (!column.starts_with(kLineBreak)) return cells;
  column.remove_prefix(kLineBreak.size());
  while (true) {
    const auto next = column.find(kLineBreak);
    cells.emplace_back(column.substr(0, next));
    if (next == TextView::npos) break;
    column.remove_prefix(next + kLineBreak.size());
  }
  return cells;
}

Paradigm ConjugateEntry(TextView entry, std::span<const int> options) {
  Paradigm paradigm;
  paradigm.entry = entry;
  ConjugationSession session;
  for (const int option : options) {
    RecordingUi ui;
    ui.PrepareRequest(entry, option);
    session.RunRequest(ui);
    SortMessages(ui.messages(), paradigm);
    // Every form has a title, so a request that set none was refused or
    // stopped early; the other options would fare no better.
    if (ui.title().empty()) break;
    paradigm.forms.push_back({option, ui.title(), RowsOf(ui)});
  }
  return paradigm;
}

}  // namespace flexoria
