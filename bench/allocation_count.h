// SPDX-License-Identifier: GPL-3.0-or-later
// How many times the program has allocated: operator new is counted in
// this benchmark binary only.
#pragma once

#include <cstdint>

namespace flexoria {

std::int64_t AllocationCount();

}  // namespace flexoria
