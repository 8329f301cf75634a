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
  // A value of our own, plain ASCII that needs no escapes.
  void AsciiString(std::string_view key, std::string_view value);
  void Number(std::string_view key, long long value);
  void Boolean(std::string_view key, bool value);
  void Null(std::string_view key);

 private:
  void Separate();
  void Quoted(std::string_view name);
  void Quoted(TextView text);

  std::string& out_;
  bool first_ = true;
};

}  // namespace flexoria
