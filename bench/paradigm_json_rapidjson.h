// SPDX-License-Identifier: GPL-3.0-or-later
// The full paradigm's JSON line written with RapidJSON's streaming Writer,
// transcoding the engine's UTF-32 to UTF-8 as it writes: the same bytes as
// ParadigmJson for every verb of the lexicon, kept beside it so that
// a benchmark weighs our own writer against the library's in the same run.
#pragma once

#include <string>

#include "engine/full_paradigm.h"

namespace flexoria {

void AppendParadigmJsonRapidjson(const FullParadigmResult& paradigm, std::string& out);

}  // namespace flexoria
