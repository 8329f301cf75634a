// SPDX-License-Identifier: GPL-3.0-or-later
// The notation in which a cell of the window shows more than one form the
// Academy accepts: "irg-/yerg" + "o" (irgo, yergo), "roig/roy/ro" + "o",
// "hinch" + "(i)ó", "(val)  val" + "e", "satisfaz / (-ac" + "e)".
#pragma once

#include <functional>

#include "core/text.h"

namespace flexoria {

// Whether `text` holds a mark of the notation, a slash or an opening
// bracket: every cell that stands for several forms does, no single form.
constexpr bool HoldsNotationMarks(TextView text) {
  return text.find_first_of(U"/(") != TextView::npos;
}

// Whether a cell stands for itself alone, as most do: ForEachAlternative
// gives it back as it is, and a caller that walks every cell of every verb
// need not copy it.
constexpr bool IsPlainCell(TextView stem, TextView ending) {
  return !HoldsNotationMarks(stem) && !HoldsNotationMarks(ending) && !stem.starts_with(U'-') &&
         !stem.ends_with(U'-');
}

// Calls `visit` with each stem and ending that a cell's notation stands for:
// "roig/roy/ro" + "o", "hinch" + "(i)ó", "(val)  val" + "e",
// "satisfaz / (-ac" + "e)". A plain cell is itself.
void ForEachAlternative(TextView stem, TextView ending,
                        const std::function<void(TextView, TextView)>& visit);

}  // namespace flexoria
