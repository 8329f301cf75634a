// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the running-text reader behind `identify
// --texto`: whatever the text, it must neither crash nor read outside it,
// and each form it finds must lie inside the text, after the one before,
// with readings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lookup/text_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static flexoria::TextReader reader(flexoria::EmbeddedFormIndex());
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t last_end = 0;
  std::size_t forms = 0;
  const std::size_t skipped = reader.Read(text, [&](const flexoria::TextForm& form) {
    const bool inside = form.start >= last_end && form.start < form.end && form.end <= size &&
                        form.line >= 1 && form.column >= 1 && !form.text.empty();
    if (!inside || form.answer == nullptr || form.answer->readings.empty()) std::abort();
    last_end = form.end;
    ++forms;
  });
  // Every word is either a form or skipped, and a word takes two bytes or
  // more with what separates it from the next, but for the last.
  if (forms + skipped > size / 2 + 1) std::abort();
  return 0;
}
