#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>

namespace flexoria {
namespace {

// The escapes JSON requires; \b, \f, \n, \r and \t by name, the other
// control characters as \u00xx.
char* WriteEscaped(char32_t c, char* at) {
  char named = 0;
  switch (c) {
    case U'"':
      named = '"';
      break;
    case U'\\':
      named = '\\';
      break;
    case U'\b':
      named = 'b';
      break;
    case U'\f':
      named = 'f';
      break;
    case U'\n':
      named = 'n';
      break;
    case U'\r':
      named = 'r';
      break;
    case U'\t':
      named = 't';
      break;
    default:
      break;
  }
  *at++ = '\\';
  if (named != 0) {
    *at++ = named;
    return at;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  for (char digit : {'u', '0', '0', kHex[(c >> 4) & 0xF], kHex[c & 0xF]}) *at++ = digit;
  return at;
}

bool NeedsEscape(char32_t c) { return c < 0x20 || c == U'"' || c == U'\\'; }

}  // namespace

void JsonWriter::Flush() {
  out_.append(buffer_, at_);
  at_ = buffer_;
}

void JsonWriter::Room(std::size_t bytes) {
  if (static_cast<std::size_t>(buffer_ + sizeof buffer_ - at_) < bytes) Flush();
}

// Bytes copied as they are (ASCII of our own, or UTF-8 already checked);
// longer texts go through in pieces.
void JsonWriter::PutBytes(std::string_view text) {
  while (!text.empty()) {
    Room(1);
    const std::size_t room = static_cast<std::size_t>(buffer_ + sizeof buffer_ - at_);
    const std::string_view piece = text.substr(0, room);
    at_ = std::copy(piece.begin(), piece.end(), at_);
    text.remove_prefix(piece.size());
  }
}

void JsonWriter::Separate() {
  Room(1);
  if (!first_) Put(',');
  first_ = false;
}

void JsonWriter::BeginObject() {
  Separate();
  Room(1);
  Put('{');
  first_ = true;
}

void JsonWriter::EndObject() {
  Room(1);
  Put('}');
  first_ = false;
}

void JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  Room(1);
  Put('[');
  first_ = true;
}

void JsonWriter::EndArray() {
  Room(1);
  Put(']');
  first_ = false;
}

void JsonWriter::Key(std::string_view key) {
  Separate();
  Quoted(key);
  Room(1);
  Put(':');
  first_ = true;  // the value follows without a comma
}

void JsonWriter::String(std::string_view key, TextView value) {
  Key(key);
  Separate();
  Quoted(value);
}

void JsonWriter::AsciiString(std::string_view key, std::string_view value) {
  Key(key);
  Separate();
  Quoted(value);
}

void JsonWriter::Utf8String(std::string_view key, std::string_view utf8) {
  Key(key);
  Utf8Value(utf8);
}

void JsonWriter::Utf8Value(std::string_view utf8) {
  Separate();
  Room(1);
  Put('"');
  // Runs that need no escape go in whole; stored forms are all one run.
  while (!utf8.empty()) {
    const auto run = std::find_if(utf8.begin(), utf8.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte < 0x80 && NeedsEscape(byte);
    });
    PutBytes(std::string_view(utf8.begin(), run));
    if (run == utf8.end()) break;
    Room(8);
    at_ = WriteEscaped(static_cast<unsigned char>(*run), at_);
    utf8.remove_prefix(static_cast<std::size_t>(run - utf8.begin()) + 1);
  }
  Room(1);
  Put('"');
}

void JsonWriter::Verbatim(std::string_view members) {
  Separate();
  PutBytes(members);
}

void JsonWriter::Number(std::string_view key, long long value) {
  Key(key);
  Separate();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  PutBytes(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::Boolean(std::string_view key, bool value) {
  Key(key);
  Separate();
  PutBytes(value ? "true" : "false");
}

void JsonWriter::Null(std::string_view key) {
  Key(key);
  Separate();
  PutBytes("null");
}

void JsonWriter::Quoted(std::string_view name) {
  // Names are ours and need no escapes.
  Room(1);
  Put('"');
  PutBytes(name);
  Room(1);
  Put('"');
}

void JsonWriter::Column(std::string_view key, std::span<const Text> cells, TextView line_break) {
  Key(key);
  Separate();
  Room(1);
  Put('"');
  for (const Text& cell : cells) {
    PutEscaped(line_break);
    PutEscaped(cell);
  }
  Room(1);
  Put('"');
}

void JsonWriter::Quoted(TextView text) {
  Room(1);
  Put('"');
  PutEscaped(text);
  Room(1);
  Put('"');
}

void JsonWriter::PutEscaped(TextView text) {
  constexpr std::size_t kWidest = 6;  // \u00xx, or four bytes of UTF-8
  // A text that fits is checked for room once, not at every character.
  const bool fits = text.size() < sizeof buffer_ / kWidest;
  Room(fits ? kWidest * text.size() : 0);
  for (char32_t c : text) {
    if (!fits) Room(kWidest);
    if (c >= 0x80) {
      at_ = WriteUtf8(c, at_);
    } else if (NeedsEscape(c)) {
      at_ = WriteEscaped(c, at_);
    } else {
      Put(static_cast<char>(c));
    }
  }
}

}  // namespace flexoria
