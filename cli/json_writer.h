// SPDX-License-Identifier: GPL-3.0-or-later
// Writes JSON, compact, escaping only what JSON requires, other characters
// as UTF-8. Into a JsonOutput it writes in place; into a string, through a
// buffer of the writer's own that reaches the string when the writer is
// flushed or destroyed: a sweep writes millions of short strings, and
// appending each on its own costs more than its characters.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "cli/json_output.h"
#include "core/text.h"

namespace flexoria {

// A member's key as written, `"name":`, made when the program is compiled
// and padded so that it is copied in one move: the full paradigm writes
// some 700 members a verb. A longer name does not compile.
class JsonKey {
 public:
  static constexpr std::size_t kCapacity = 16;
  // What a string member with this key takes besides its value's text: the
  // comma before it, the padded key, the value's quotes.
  static constexpr std::size_t kMemberBytes = 1 + kCapacity + 2;

  consteval JsonKey(std::string_view name) : size_(name.size() + 3) {  // NOLINT: from literals
    text_[0] = '"';
    for (std::size_t i = 0; i < name.size(); ++i) text_[i + 1] = name[i];
    text_[name.size() + 1] = '"';
    text_[name.size() + 2] = ':';
  }

  const char* text() const { return text_.data(); }
  std::size_t size() const { return size_; }

 private:
  std::array<char, kCapacity> text_{};
  std::size_t size_;
};

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : string_(&out) {}
  // In place: `out` takes nothing else until the writer is destroyed, which
  // keeps what it wrote.
  explicit JsonWriter(JsonOutput& out) : output_(&out) { TakeRoom(kBufferSize); }
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void BeginObject();
  void EndObject();
  void BeginArray(std::string_view key);
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view key, TextView value);
  void String(const JsonKey& key, TextView value);
  // A value of our own, plain ASCII that needs no escapes.
  void AsciiString(std::string_view key, std::string_view value);
  void Utf8String(std::string_view key, std::string_view utf8);
  void Utf8Value(std::string_view utf8);  // an array's element
  void Value(TextView value);             // an array's element
  // Members written before by a JsonWriter of their own.
  void Verbatim(std::string_view members);
  // The same, but ending with an object or array opened, whose first
  // member or element follows: `{"name":"presente","rows":[`.
  void VerbatimOpening(std::string_view members) {
    Verbatim(members);
    first_ = true;
  }
  void Number(std::string_view key, long long value);
  void Boolean(std::string_view key, bool value);
  void Null(std::string_view key);
  // A column as displayed: each cell after a line break.
  void Column(std::string_view key, std::span<const Text> cells, TextView line_break);

  // Hands what is written so far to the string or the output.
  void Flush();

  // A character takes at most six bytes: \u00xx, or four bytes of UTF-8.
  static constexpr std::size_t kWidest = 6;
  // For a caller that writes a run of its own at once, after the comma due:
  // room for `bytes` from the pointer returned, nullptr when the writer
  // cannot hold that many at once. Commit then says where the run ended.
  char* Reserve(std::size_t bytes) {
    if (!Fits(bytes + 1)) return nullptr;
    Room(bytes + 1);
    Separate();
    return at_;
  }
  void Commit(char* end) {
    at_ = end;
    first_ = false;
  }

 private:
  static constexpr std::size_t kBufferSize = 4096;
  // What a member adds to its key and its value: a comma, the quotes, the colon.
  static constexpr std::size_t kMemberFraming = 6;

  // Each call below makes room for all it writes at once, then writes
  // without looking; a text too long for the buffer goes in pieces.
  void Room(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) < bytes) Refill(bytes);
  }
  void Refill(std::size_t bytes);
  void TakeRoom(std::size_t bytes);
  bool Fits(std::size_t bytes) const { return bytes <= kBufferSize; }
  void Put(char c) { *at_++ = c; }
  void PutBytes(std::string_view text);
  void Separate() {
    if (!first_) Put(',');
    first_ = false;
  }
  void PutKey(std::string_view name);
  void PutLongText(TextView text);
  void PutQuoted(TextView text);
  void PutUtf8(std::string_view utf8);

  std::string* string_ = nullptr;
  JsonOutput* output_ = nullptr;
  bool first_ = true;
  char buffer_[kBufferSize];  // for a string only
  char* at_ = buffer_;
  char* end_ = buffer_ + kBufferSize;
};

}  // namespace flexoria
