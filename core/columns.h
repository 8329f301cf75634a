// The two result columns a writer produces, and the line-building helpers
// every writer shares.
#pragma once

#include <array>

#include "core/text.h"

namespace flexoria {

struct Columns {
  Text stems;
  Text endings;

  // Empties both columns but keeps their capacity.
  void Clear() {
    stems.clear();
    endings.clear();
  }
};

using SixCells = std::array<TextView, 6>;

// Appends one displayed line to each column: the line break, then the cell.
// `ending_link` goes in front of the ending cell (the subjunctive link).
void AppendLine(Columns& out, TextView line_break, TextView stem, TextView ending,
                TextView ending_link = {});

// Replaces both columns with six lines.
void WriteSixLines(Columns& out, TextView line_break, const SixCells& stems,
                   const SixCells& endings, TextView ending_link = {});

// Replaces both columns with one line.
void WriteOneLine(Columns& out, TextView line_break, TextView stem, TextView ending);

}  // namespace flexoria
