// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_cells.h"

#include "core/short_copy.h"

namespace flexoria {

void FormCells::SetSix(const SixCells& stem_cells, const SixCells& ending_cells,
                       TextView ending_link) {
  count = 6;
  for (std::size_t line = 0; line < 6; ++line) CopyShortText(stems[line], stem_cells[line]);
  // Most forms have no link: their loop copies one part a cell.
  if (ending_link.empty()) {
    for (std::size_t line = 0; line < 6; ++line) CopyShortText(endings[line], ending_cells[line]);
  } else {
    for (std::size_t line = 0; line < 6; ++line) {
      CopyShortText(endings[line], ending_link, ending_cells[line]);
    }
  }
}

void FormCells::SetOne(TextView stem, TextView ending) {
  count = 1;
  CopyShortText(stems[0], stem);
  CopyShortText(endings[0], ending);
}

}  // namespace flexoria
