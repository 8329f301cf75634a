// SPDX-License-Identifier: GPL-3.0-or-later
// The full paradigm's JSON line written with RapidJSON's streaming Writer,
// transcoding the engine's UTF-32 to UTF-8 as it writes: the same bytes as
// ParadigmJson for every verb of the lexicon, kept beside it so that
// a benchmark weighs our own writer against the library's in the same run.
#pragma once

#include <string_view>

#include "engine/full_paradigm.h"

namespace flexoria {

// The line, with its line break, in a buffer the next call reuses.
std::string_view ParadigmJsonLineRapidjson(const FullParadigmResult& paradigm);

}  // namespace flexoria
