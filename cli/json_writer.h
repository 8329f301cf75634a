// Writes the replay protocol's answers straight into one reused buffer:
// compact JSON, escaping only what JSON requires, other characters as UTF-8.
#pragma once

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
  void Utf8String(std::string_view key, std::string_view utf8);
  void Utf8Value(std::string_view utf8);  // an array's element
  // Members written before by a JsonWriter of their own.
  void Verbatim(std::string_view members);
  void Number(std::string_view key, long long value);
  void Boolean(std::string_view key, bool value);

 private:
  void Separate();
  void Quoted(std::string_view name);
  void Quoted(TextView text);

  std::string& out_;
  bool first_ = true;
};

}  // namespace flexoria
