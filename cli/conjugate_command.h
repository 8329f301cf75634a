// SPDX-License-Identifier: GPL-3.0-or-later
// `flexoria-cli conjugate`: the forms of each verb given, as a table or JSON.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace flexoria {

struct FormSpec;

struct ConjugateRequest {
  std::vector<std::string> verbs;  // as typed; each is checked by the input rule
  const FormSpec* form = nullptr;  // every form when null
  bool json = false;
  bool colour = false;
  bool vos = false;
  std::size_t width = 0;  // the terminal's columns; 0 for one form below the other
};

// Writes the forms to `out` and the window's messages to `err`; "-" among
// the verbs reads one infinitive per line from `in`. Returns the exit
// status: 2 when some verb broke the input rule (cli/typed_word.h), else 1
// when some verb was refused.
int RunConjugate(const ConjugateRequest& request, std::istream& in, std::ostream& out,
                 std::ostream& err);

// Red endings only on a terminal, and never when NO_COLOR is set to anything.
bool ShouldColour(bool stdout_is_terminal, const char* no_color);

// The width of a terminal for side-by-side columns: as the terminal says,
// else COLUMNS when it is a number, else 0.
std::size_t TableWidth(int terminal_columns, const char* columns);

}  // namespace flexoria
