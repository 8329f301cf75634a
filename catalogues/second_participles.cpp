// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/second_participles.h"

namespace flexoria {

void WriteSecondParticiple(TextView verb, Text& out) {
  out.clear();
  for (const SecondParticiple& row : kSecondParticiples) {
    if (!EndsWith(verb, row.tail)) continue;
    out.assign(verb.substr(0, verb.size() - row.tail.size())).append(row.participle);
    return;
  }
}

}  // namespace flexoria
