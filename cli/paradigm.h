// What the main window would show for one verb in each of several form
// options, gathered by running a real session once per option.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "cli/recording_ui.h"

namespace flexoria {

struct FormRow {
  Text person;  // empty for the forms without persons
  Text stem;
  Text ending;
};

struct FormTable {
  int option = 0;
  Text title;
  std::vector<FormRow> rows;
};

struct Paradigm {
  Text entry;
  // Each distinct notice once, in the order the requests showed them.
  std::vector<Message> notices;
  // The message of a refused entry; nothing was conjugated then.
  std::optional<Message> refusal;
  std::vector<FormTable> forms;
};

// Runs `entry` (as typed) through a new session for each option in turn.
// Stops at the first request that shows no form: a refused entry, or one
// that the engine could not cut into a stem.
Paradigm ConjugateEntry(TextView entry, std::span<const int> options);

// Splits a displayed column at its line breaks; the empty first line that
// every column starts with is not a cell.
std::vector<Text> ColumnCells(TextView column);

}  // namespace flexoria
