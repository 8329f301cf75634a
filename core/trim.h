// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting characters off both ends of a text.
#pragma once

#include "core/text.h"

namespace flexoria {

// `text` without the characters of `cut` at either end. Only the space
// counts by default: a tab or a no-break space typed at the end of an
// entry is part of it.
constexpr TextView Trimmed(TextView text, TextView cut = U" ") {
  const auto first = text.find_first_not_of(cut);
  if (first == TextView::npos) return {};
  return text.substr(first, text.find_last_not_of(cut) - first + 1);
}

}  // namespace flexoria
