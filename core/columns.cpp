#include "core/columns.h"

namespace flexoria {

void AppendLine(Columns& out, TextView line_break, TextView stem, TextView ending,
                TextView ending_link) {
  out.stems.append(line_break).append(stem);
  out.endings.append(line_break).append(ending_link).append(ending);
}

namespace {

// Lays out a column in one pass: it is rebuilt on every request, so it
// should cost no more than copying its characters.
void WriteColumn(Text& column, TextView line_break, TextView link, const SixCells& cells) {
  std::size_t length = 6 * (line_break.size() + link.size());
  for (TextView cell : cells) length += cell.size();
  column.resize(length);
  char32_t* out = column.data();
  const auto put = [&out](TextView text) {
    for (char32_t c : text) *out++ = c;
  };
  for (TextView cell : cells) {
    put(line_break);
    put(link);
    put(cell);
  }
}

}  // namespace

void WriteSixLines(Columns& out, TextView line_break, const SixCells& stems,
                   const SixCells& endings, TextView ending_link) {
  WriteColumn(out.stems, line_break, {}, stems);
  WriteColumn(out.endings, line_break, ending_link, endings);
}

void WriteOneLine(Columns& out, TextView line_break, TextView stem, TextView ending) {
  out.Clear();
  AppendLine(out, line_break, stem, ending);
}

}  // namespace flexoria
