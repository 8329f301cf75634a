// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_cells.h"

#include "core/short_copy.h"

namespace flexoria {

void FormCells::SetSix(const SixCells& stem_cells, const SixCells& ending_cells,
                       TextView ending_link) {
  count = 6;
  stems = stem_cells;
  // Most forms have no link: their endings are the writer's as they are.
  if (ending_link.empty()) {
    endings = ending_cells;
    return;
  }
  for (std::size_t line = 0; line < 6; ++line) {
    CopyShortText(own_endings_[line], ending_link, ending_cells[line]);
    endings[line] = own_endings_[line];
  }
}

void FormCells::SetOne(TextView stem, TextView ending) {
  count = 1;
  stems[0] = stem;
  endings[0] = ending;
}

FormCells::OwnLine FormCells::Own(std::size_t line) {
  Text& stem = own_stems_[line];
  Text& ending = own_endings_[line];
  // Either may be the line's own already: an ending with its link, or a
  // line a rule changed before.
  if (stems[line].data() != stem.data()) CopyShortText(stem, stems[line]);
  if (endings[line].data() != ending.data()) CopyShortText(ending, endings[line]);
  stems[line] = stem;
  endings[line] = ending;
  return {stem, ending};
}

void KeptCells::Keep(const FormCells& cells) {
  count = cells.count;
  for (std::size_t line = 0; line < count; ++line) {
    CopyShortText(stems[line], cells.stems[line]);
    CopyShortText(endings[line], cells.endings[line]);
  }
}

}  // namespace flexoria
