// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cell_notation.h"

#include <algorithm>
#include <vector>

#include "core/trim.h"

namespace flexoria {
namespace {

TextView WithoutHyphens(TextView text) {
  while (text.starts_with(U'-')) text.remove_prefix(1);
  while (text.ends_with(U'-')) text.remove_suffix(1);
  return text;
}

// "roy" after "corroig" is "corroy": an alternative replaces the base from
// the last place where its first letter stands; one that shares no letter
// ("yerg" after "irg") is whole.
Text ReplaceTail(TextView base, TextView tail) {
  if (tail.empty()) return Text(base);
  const auto at = base.rfind(tail.front());
  if (at == TextView::npos) return Text(tail);
  return Text(base.substr(0, at)) + Text(tail);
}

void ForEachSlashed(TextView stem, TextView ending,
                    const std::function<void(TextView, TextView)>& visit) {
  std::vector<TextView> parts;
  for (std::size_t from = 0; from <= stem.size();) {
    const auto slash = std::min(stem.find(U'/', from), stem.size());
    parts.push_back(Trimmed(stem.substr(from, slash - from)));
    from = slash + 1;
  }
  const TextView base = WithoutHyphens(parts.front());
  // "satisfaz / (-ac" + "e)": the bracketed tail and the ending belong to
  // the second form; the first stands alone.
  const bool bracketed = ending.ends_with(U')');
  visit(base, bracketed ? TextView() : ending);
  const TextView shared = bracketed ? ending.substr(0, ending.size() - 1) : ending;
  for (std::size_t at = 1; at < parts.size(); ++at) {
    TextView part = parts[at];
    if (part.starts_with(U'(')) part.remove_prefix(1);
    visit(ReplaceTail(base, WithoutHyphens(part)), shared);
  }
}

}  // namespace

void ForEachAlternative(TextView stem, TextView ending,
                        const std::function<void(TextView, TextView)>& visit) {
  if (IsPlainCell(stem, ending)) {
    visit(stem, ending);
    return;
  }
  // A bracket that is never closed is no notation (an entry typed so).
  const auto stem_close = stem.starts_with(U'(') ? stem.find(U')') : TextView::npos;
  const auto ending_close = ending.starts_with(U'(') ? ending.find(U')') : TextView::npos;
  if (stem_close != TextView::npos) {  // "(val)  val" + "e": val, vale
    visit(stem.substr(1, stem_close - 1), {});
    ForEachAlternative(Trimmed(stem.substr(stem_close + 1)), ending, visit);
  } else if (ending_close != TextView::npos) {  // "hinch" + "(i)ó": hinchió, hinchó
    const auto close = ending_close;
    visit(stem, Text(ending.substr(1, close - 1)) + Text(ending.substr(close + 1)));
    visit(stem, ending.substr(close + 1));
  } else if (stem.find(U'/') != TextView::npos) {
    ForEachSlashed(stem, ending, visit);
  } else {
    visit(WithoutHyphens(stem), ending);
  }
}

}  // namespace flexoria
