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

void JsonWriter::Separate() {
  if (!first_) out_ += ',';
  first_ = false;
}

void JsonWriter::BeginObject() {
  Separate();
  out_ += '{';
  first_ = true;
}

void JsonWriter::EndObject() {
  out_ += '}';
  first_ = false;
}

void JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  out_ += '[';
  first_ = true;
}

void JsonWriter::EndArray() {
  out_ += ']';
  first_ = false;
}

void JsonWriter::Key(std::string_view key) {
  Separate();
  Quoted(key);
  out_ += ':';
  first_ = true;  // the value follows without a comma
}

void JsonWriter::String(std::string_view key, TextView value) {
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
  out_ += '"';
  // Runs that need no escape go in whole; stored forms are all one run.
  char escaped[8];
  while (!utf8.empty()) {
    const auto run = std::find_if(utf8.begin(), utf8.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte < 0x80 && NeedsEscape(byte);
    });
    out_.append(utf8.begin(), run);
    if (run == utf8.end()) break;
    out_.append(escaped, WriteEscaped(static_cast<unsigned char>(*run), escaped));
    utf8.remove_prefix(static_cast<std::size_t>(run - utf8.begin()) + 1);
  }
  out_ += '"';
}

void JsonWriter::Verbatim(std::string_view members) {
  Separate();
  out_ += members;
}

void JsonWriter::Number(std::string_view key, long long value) {
  Key(key);
  Separate();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out_.append(digits, end);
}

void JsonWriter::Boolean(std::string_view key, bool value) {
  Key(key);
  Separate();
  out_ += value ? "true" : "false";
}

void JsonWriter::Quoted(std::string_view name) {
  // Names are ours and need no escapes.
  out_.append(1, '"').append(name).append(1, '"');
}

// One pass straight into the buffer: answers are written a hundred
// thousand times in a sweep.
void JsonWriter::Quoted(TextView text) {
  constexpr std::size_t kWidest = 6;  // \u00xx, or four bytes of UTF-8
  const std::size_t start = out_.size();
  out_.resize(start + 2 + kWidest * text.size());
  char* at = out_.data() + start;
  *at++ = '"';
  for (char32_t c : text) {
    if (c >= 0x80) {
      at = WriteUtf8(c, at);
    } else if (NeedsEscape(c)) {
      at = WriteEscaped(c, at);
    } else {
      *at++ = static_cast<char>(c);
    }
  }
  *at++ = '"';
  out_.resize(static_cast<std::size_t>(at - out_.data()));
}

}  // namespace flexoria
