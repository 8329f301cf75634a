// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/participle_choice.h"

#include <array>

#include "core/trim.h"

namespace flexoria {
namespace {

inline constexpr std::array<TextView, 2> kSeparators{U"/", U" o "};
inline constexpr std::array<TextView, 3> kRegularTails{U"ado", U"ido", U"ído"};
inline constexpr TextView kBlanksAndBrackets = U" ()";

// The next alternative of `rest`, which loses it and its separator.
TextView NextAlternative(TextView& rest) {
  std::size_t cut = TextView::npos;
  std::size_t width = 0;
  for (TextView separator : kSeparators) {
    const auto at = rest.find(separator);
    if (at < cut) {
      cut = at;
      width = separator.size();
    }
  }
  const TextView alternative = rest.substr(0, cut);
  rest = cut == TextView::npos ? TextView() : rest.substr(cut + width);
  return Trimmed(alternative, kBlanksAndBrackets);
}

bool IsRegular(TextView participle) {
  for (TextView tail : kRegularTails) {
    if (EndsWith(participle, tail)) return true;
  }
  return false;
}

}  // namespace

TextView ParticipleWithHaber(TextView cell) {
  TextView rest = cell;
  const TextView first = NextAlternative(rest);
  if (rest.empty()) return cell;
  for (TextView next = first; !next.empty() || !rest.empty(); next = NextAlternative(rest)) {
    if (IsRegular(next)) return next;
  }
  return first;
}

}  // namespace flexoria
