#include "core/form_cells.h"

namespace flexoria {

void FormCells::SetSix(const SixCells& stem_cells, const SixCells& ending_cells,
                       TextView ending_link) {
  count = 6;
  for (std::size_t line = 0; line < 6; ++line) {
    stems[line].assign(stem_cells[line]);
    endings[line].assign(ending_link).append(ending_cells[line]);
  }
}

void FormCells::SetOne(TextView stem, TextView ending) {
  count = 1;
  stems[0].assign(stem);
  endings[0].assign(ending);
}

}  // namespace flexoria
