// Writes JSON into a reused string: compact, escaping only what JSON
// requires, other characters as UTF-8. The text goes through a buffer of
// the writer's own and reaches the string when the writer is flushed or
// destroyed: a sweep writes millions of short strings, and appending each
// on its own costs more than its characters.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void BeginObject();
  void EndObject();
  void BeginArray(std::string_view key);
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view key, TextView value);
  // A value of our own, plain ASCII that needs no escapes.
  void AsciiString(std::string_view key, std::string_view value);
  void Utf8String(std::string_view key, std::string_view utf8);
  void Utf8Value(std::string_view utf8);  // an array's element
  // Members written before by a JsonWriter of their own.
  void Verbatim(std::string_view members);
  void Number(std::string_view key, long long value);
  void Boolean(std::string_view key, bool value);
  void Null(std::string_view key);
  // A column as displayed: each cell after a line break.
  void Column(std::string_view key, std::span<const Text> cells, TextView line_break);

  // Appends what is written so far to the string.
  void Flush();

 private:
  void Room(std::size_t bytes);
  void Put(char c) { *at_++ = c; }
  void PutBytes(std::string_view text);
  void Separate();
  void Quoted(std::string_view name);
  void Quoted(TextView text);
  void PutEscaped(TextView text);

  std::string& out_;
  bool first_ = true;
  char buffer_[4096];
  char* at_ = buffer_;
};

}  // namespace flexoria
