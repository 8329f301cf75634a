// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm as one line of JSON, for programs: per form its rows, each
// with its person, pronoun, stem, ending and the whole form as written.
#pragma once

#include <string>

#include "engine/full_paradigm.h"

namespace flexoria {

// Appends the object for `paradigm` to `out`, without a line break; only
// the form `only` when it is not null.
void AppendParadigmJson(const FullParadigmResult& paradigm, const FormSpec* only, std::string& out);

}  // namespace flexoria
