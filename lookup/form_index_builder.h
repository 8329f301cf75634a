// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the form index (form_index.h) of a list of verbs: run once, by
// the generator, when the program is built.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "lookup/form_enumeration.h"

namespace flexoria {

struct BuiltFormIndex {
  std::vector<std::uint8_t> block;  // empty when it could not be built
  std::string error;                // why, naming the verb or the form
  std::size_t readings = 0;         // one-word readings stored
};

// Every form of `verbs` and their pronominal verbs.
BuiltFormIndex BuildFormIndex(std::span<const IndexedVerb> verbs);

}  // namespace flexoria
