// The paradigm as one JSON object, for programs: per form the stems and
// endings that the table shows.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/paradigm.h"

namespace flexoria {

nlohmann::ordered_json ParadigmJson(const Paradigm& paradigm);

}  // namespace flexoria
