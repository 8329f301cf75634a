// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_output.h"

#include <algorithm>
#include <cstring>

namespace flexoria {

JsonOutput::FreeBytes JsonOutput::MakeFree(std::size_t bytes) {
  if (capacity_ - size_ < bytes) {
    const std::size_t capacity = std::max(size_ + bytes, 2 * capacity_);
    // Left unwritten: the writer writes every byte it keeps.
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(grown.get(), bytes_.get(), size_);
    bytes_ = std::move(grown);
    capacity_ = capacity;
  }
  return {bytes_.get() + size_, bytes_.get() + capacity_};
}

void JsonOutput::Append(std::string_view text) {
  const FreeBytes free = MakeFree(text.size());
  if (!text.empty()) std::memcpy(free.begin, text.data(), text.size());
  size_ += text.size();
}

}  // namespace flexoria
