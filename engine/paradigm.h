// The forms of one entry as rows of cells, gathered by running a real
// session once per form: what the main window would show, as data.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "engine/form_table.h"
#include "engine/recording_ui.h"
#include "engine/request_result.h"

namespace flexoria {

struct ParadigmRow {
  TextView person;  // the window's person label; empty for the forms without persons
  Text stem;
  Text ending;
};

struct ParadigmForm {
  const FormSpec* form = nullptr;
  std::vector<ParadigmRow> rows;
};

struct Paradigm {
  Text entry;
  // The notices, each once, in the order the requests showed them.
  std::vector<Message> notices;
  // The message of a refused entry; nothing was conjugated then.
  std::optional<Message> refusal;
  std::vector<ParadigmForm> forms;
};

// Runs `entry` (as typed) through a new session for each form in turn.
// Stops at the first request that shows no form: a refused entry, or one
// that the engine could not cut into a stem.
Paradigm ConjugateEntry(TextView entry, std::span<const FormSpec* const> forms);

// The rows of a shown form: the lines that hold a form for a person (the
// imperative's dashes are no rows).
std::vector<ParadigmRow> RowsOf(const FormSpec& form, const FormCells& cells);

// The message a refused request showed.
Message RefusalMessage(RequestOutcome outcome);

}  // namespace flexoria
