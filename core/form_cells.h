// SPDX-License-Identifier: GPL-3.0-or-later
// The cells of one displayed form: per line a stem and an ending, six lines
// for a tense, one for the forms without persons. Writers fill them; the
// front ends lay them out.
#pragma once

#include <array>
#include <cstddef>

#include "core/text.h"

namespace flexoria {

using SixCells = std::array<TextView, 6>;

// The cells view what the writer gave them: the state it read, which
// stays as it is until its session's next request, and literals. Only
// what is put together or changed is copied, into texts the cells own:
// the full paradigm writes 13 forms a verb, and copying every cell cost
// more than writing them. What keeps cells past the next request keeps
// a KeptCells.
class FormCells {
 public:
  FormCells() = default;
  // Views may show the cells' own texts, which a copy would not follow.
  FormCells(const FormCells&) = delete;
  FormCells& operator=(const FormCells&) = delete;

  std::size_t count = 0;
  SixCells stems;
  SixCells endings;

  // Six lines; `ending_link` goes in front of every ending (the subjunctive
  // link).
  void SetSix(const SixCells& stem_cells, const SixCells& ending_cells, TextView ending_link = {});
  void SetOne(TextView stem, TextView ending);

  // The line's stem and ending as texts of the cells' own, which the line
  // then shows, for a rule that changes them in place.
  struct OwnLine {
    Text& stem;
    Text& ending;
  };
  OwnLine Own(std::size_t line);

 private:
  std::array<Text, 6> own_stems_;
  std::array<Text, 6> own_endings_;
};

// A copy of cells that outlives the state they view.
struct KeptCells {
  std::size_t count = 0;
  std::array<Text, 6> stems;
  std::array<Text, 6> endings;

  void Keep(const FormCells& cells);
};

// Writes the first `count` cells as a displayed column, each preceded by
// `line_break`. A column is rebuilt on every request, so this costs no more
// than copying its characters.
template <typename Cells>
void JoinColumn(const Cells& cells, std::size_t count, TextView line_break, Text& column) {
  std::size_t length = count * line_break.size();
  for (std::size_t line = 0; line < count; ++line) length += TextView(cells[line]).size();
  column.resize(length);
  char32_t* out = column.data();
  const auto put = [&out](TextView text) {
    for (const char32_t c : text) *out++ = c;
  };
  for (std::size_t line = 0; line < count; ++line) {
    put(line_break);
    put(cells[line]);
  }
}

}  // namespace flexoria
