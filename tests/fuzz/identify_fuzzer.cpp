// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary typed forms to the lookup over the index compiled into
// the program: whatever is typed, a lookup must neither crash nor read
// outside the index, and every reading it gives must be a form of the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lookup/form_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static flexoria::FormLookup lookup(flexoria::EmbeddedFormIndex());
  flexoria::Text typed;
  if (!flexoria::DecodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size), typed)) {
    return 0;
  }
  const flexoria::Identification& answer = lookup.Identify(typed);
  for (const flexoria::FormReading& reading : answer.readings) {
    const std::size_t parts =
        reading.before.size() + reading.stem.size() + reading.ending.size() + reading.after.size();
    if (parts != reading.text.size() || reading.verb.empty()) std::abort();
  }
  return 0;
}
