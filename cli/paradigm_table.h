// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm as a terminal table: per form its title, then the persons by
// their pronouns and the forms, right-aligned against their endings as in
// the main window; a compound tense beside its simple one where the width
// allows.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>

#include "engine/full_paradigm.h"

namespace flexoria {

struct TableLayout {
  bool colour = false;    // paints each ending red with ANSI escapes
  std::size_t width = 0;  // the terminal's columns; 0 puts every form below the last
};

// Every form, or only `only` when it is not null.
void WriteParadigmTable(std::ostream& out, const FullParadigmResult& paradigm, const FormSpec* only,
                        TableLayout layout);

// A message box as one line (or a few) for standard error, headed by the entry:
// `tenerse: Borre el pronombre "se".`
std::string MessageForTerminal(TextView entry, const Message& message);

// The infinitives an unknown one may have meant: "reir: ¿Quiso decir reír?",
// "…decir a, b o c?" for several.
std::string SuggestionForTerminal(TextView entry, std::span<const Text> suggestions);

}  // namespace flexoria
