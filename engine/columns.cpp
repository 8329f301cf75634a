#include "engine/columns.h"

namespace flexoria {

void AppendLine(Columns& out, TextView line_break, TextView stem, TextView ending,
                TextView ending_link) {
  out.stems.append(line_break).append(stem);
  out.endings.append(line_break).append(ending_link).append(ending);
}

void WriteSixLines(Columns& out, TextView line_break, const SixCells& stems,
                   const SixCells& endings, TextView ending_link) {
  out.Clear();
  for (std::size_t person = 0; person < 6; ++person) {
    AppendLine(out, line_break, stems[person], endings[person], ending_link);
  }
}

void WriteOneLine(Columns& out, TextView line_break, TextView stem, TextView ending) {
  out.Clear();
  AppendLine(out, line_break, stem, ending);
}

}  // namespace flexoria
