// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/defective_verbs.h"

namespace flexoria {

std::optional<Defect> DefectOf(TextView verb) {
  for (const DefectiveVerb& row : kDefectiveVerbs) {
    if (row.verb == verb) return row.defect;
  }
  return std::nullopt;
}

}  // namespace flexoria
