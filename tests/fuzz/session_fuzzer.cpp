// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary entries and options to one long-lived session: whatever is
// typed, a request must neither crash nor leave the display inconsistent.
#include <cstddef>
#include <cstdint>

#include "engine/conjugation_session.h"
#include "engine/recording_ui.h"

namespace {

// The first byte picks the option (also out of range), the rest are code
// points taken four bytes at a time, so unpaired surrogates, control
// characters and values past U+10FFFF all reach the engine.
flexoria::Text EntryFrom(const std::uint8_t* data, std::size_t size) {
  flexoria::Text entry;
  for (std::size_t i = 0; i + 4 <= size; i += 4) {
    const std::uint32_t c = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) |
                            (static_cast<std::uint32_t>(data[i + 3]) << 24);
    // Mostly letters of the entry's own alphabet, so that infinitives occur.
    entry.push_back(c % 4 == 0 ? c : U"aeiourndsclgzñáéíóúü "[c % 21]);
  }
  return entry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static flexoria::ConjugationSession session;
  static flexoria::RecordingUi ui;
  if (size == 0) return 0;
  const int option = static_cast<int>(data[0] % 16);  // 0, 14 and 15 are out of range
  ui.PrepareRequest(EntryFrom(data + 1, size - 1), option);
  session.RunRequest(ui);
  const auto& stems = ui.stems();
  const auto& endings = ui.endings();
  if (!stems.empty() && stems.substr(0, 2) != U"\r\n") __builtin_trap();
  if (!endings.empty() && endings.substr(0, 2) != U"\r\n") __builtin_trap();
  return 0;
}
