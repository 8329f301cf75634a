// Writes the replay protocol's answers straight into one reused buffer:
// compact JSON, escaping only what JSON requires, other characters as UTF-8.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray(std::string_view key);
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view key, TextView value);
  void Number(std::string_view key, long long value);
  void Boolean(std::string_view key, bool value);
  // A column as displayed: each cell after a line break.
  void Column(std::string_view key, std::span<const Text> cells, TextView line_break);

 private:
  void Separate();
  void Quoted(std::string_view name);
  void Quoted(TextView text);
  // Room for `characters` characters between quotes, and the end of what
  // was written into it.
  char* Reserve(std::size_t characters);
  void Commit(const char* end);

  std::string& out_;
  bool first_ = true;
};

}  // namespace flexoria
