// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary lines to the replay protocol: every line must be answered
// with one JSON object, and nothing may crash.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static flexoria::Replay replay(true);
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  if (line.find('\n') != std::string_view::npos) return 0;  // one line at a time
  const std::string answer = replay.RunLine(line);
  if (answer.empty()) return 0;
  if (!nlohmann::json::accept(answer)) __builtin_trap();
  return 0;
}
