// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_cells.h"

#include "core/short_copy.h"

namespace flexoria {
namespace {

// Cells are rewritten on every request: copying the characters into the
// capacity they already have is all it should cost.
void Put(Text& cell, TextView first, TextView second = {}) {
  cell.resize(first.size() + second.size());
  CopyShort(cell.data(), first.data(), first.size() * sizeof(char32_t));
  CopyShort(cell.data() + first.size(), second.data(), second.size() * sizeof(char32_t));
}

}  // namespace

void FormCells::SetSix(const SixCells& stem_cells, const SixCells& ending_cells,
                       TextView ending_link) {
  count = 6;
  for (std::size_t line = 0; line < 6; ++line) {
    Put(stems[line], stem_cells[line]);
    Put(endings[line], ending_link, ending_cells[line]);
  }
}

void FormCells::SetOne(TextView stem, TextView ending) {
  count = 1;
  Put(stems[0], stem);
  Put(endings[0], ending);
}

}  // namespace flexoria
