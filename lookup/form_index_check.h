// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's proof of the index it built: every form of every verb is
// read back through the lookup, and each must give its own readings and no
// other reading of its verb.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "lookup/form_enumeration.h"
#include "lookup/form_index.h"

namespace flexoria {

struct FormIndexCheck {
  std::size_t forms = 0;
  std::vector<std::string> problems;  // each names its form; the first few only
  std::size_t problem_count = 0;
};

FormIndexCheck CheckFormIndex(const FormIndex& index, std::span<const IndexedVerb> verbs);

}  // namespace flexoria
