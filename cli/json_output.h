// SPDX-License-Identifier: GPL-3.0-or-later
// A line of JSON as it is written, for a writer to fill in place. A
// std::string cannot grow without first writing every new byte (its
// resize fills them), so a writer would write into a buffer of its own and
// copy that into the string after: a verb's whole table is some 15 kB, and
// the copy cost a tenth of the time to write it.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace flexoria {

class JsonOutput {
 public:
  std::string_view view() const { return {bytes_.get(), size_}; }
  // Keeps the room, for the next line.
  void clear() { size_ = 0; }
  void Append(std::string_view text);

  // For a writer: at least `bytes` free bytes after the text kept, from
  // where it ends. Growing moves the text, so no pointer into it stays good.
  struct FreeBytes {
    char* begin;
    char* end;
  };
  FreeBytes MakeFree(std::size_t bytes);
  // Keeps what a writer wrote into the last FreeBytes, up to `end`.
  void KeepTo(const char* end) { size_ = static_cast<std::size_t>(end - bytes_.get()); }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace flexoria
