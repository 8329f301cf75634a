// The paradigm as a terminal table: per form its title, then the persons,
// the stems right-aligned against the endings as in the main window.
#pragma once

#include <iosfwd>
#include <string>

#include "engine/paradigm.h"

namespace flexoria {

// `colour` paints each ending red with ANSI escapes.
void WriteParadigmTable(std::ostream& out, const Paradigm& paradigm, bool colour);

// UTF-8 with the window's line breaks (CR LF) as plain line feeds.
std::string PlainLines(TextView text);

// A message box as one line (or a few) for standard error, headed by the entry:
// `tenerse: Borre el pronombre "se".`
std::string MessageForTerminal(TextView entry, const Message& message);

}  // namespace flexoria
