// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "cli/json_text.h"
#include "core/short_copy.h"

namespace flexoria {
namespace {

char* WriteAscii(std::string_view text, char* at) {
  for (const char c : text) *at++ = c;
  return at;
}

// `,"name":`, the comma where one is due.
char* WriteKey(std::string_view name, bool comma, char* at) {
  if (comma) *at++ = ',';
  *at++ = '"';
  at = WriteAscii(name, at);
  *at++ = '"';
  *at++ = ':';
  return at;
}

}  // namespace

void JsonWriter::Flush() {
  if (output_ != nullptr) {
    output_->KeepTo(at_);
  } else {
    string_->append(buffer_, at_);
    at_ = buffer_;
  }
}

// A string's buffer is emptied into it; an output grows by a buffer's
// size at least, so that it grows seldom.
void JsonWriter::Refill(std::size_t bytes) {
  Flush();
  if (output_ != nullptr) TakeRoom(std::max(bytes, kBufferSize));
}

void JsonWriter::TakeRoom(std::size_t bytes) {
  const JsonOutput::FreeBytes free = output_->MakeFree(bytes);
  at_ = free.begin;
  end_ = free.end;
}

// Bytes copied as they are (ASCII of our own, or UTF-8 already checked);
// longer texts go through in pieces.
void JsonWriter::PutBytes(std::string_view text) {
  while (!text.empty()) {
    Room(std::min(text.size(), kBufferSize));
    const auto room = static_cast<std::size_t>(end_ - at_);
    const std::string_view piece = text.substr(0, room);
    at_ = std::copy(piece.begin(), piece.end(), at_);
    text.remove_prefix(piece.size());
  }
}

// `,"name":` (the comma where one is due); the value follows without one.
// The caller made room.
void JsonWriter::PutKey(std::string_view name) {
  at_ = WriteKey(name, !first_, at_);
  first_ = true;
}

void JsonWriter::PutLongText(TextView text) {
  for (const char32_t c : text) {
    Room(kWidest);
    at_ = WriteJsonChar(c, at_);
  }
}

void JsonWriter::PutQuoted(TextView text) {
  Room(1);
  Put('"');
  PutLongText(text);
  Room(1);
  Put('"');
}

void JsonWriter::BeginObject() {
  Room(2);
  Separate();
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

// Keys are ours: short, plain ASCII.
void JsonWriter::Key(std::string_view key) {
  Room(key.size() + kMemberFraming);
  PutKey(key);
}

void JsonWriter::String(std::string_view key, TextView value) {
  const std::size_t bound = key.size() + kMemberFraming + kWidest * value.size();
  if (!Fits(bound)) {
    Key(key);
    Separate();
    PutQuoted(value);
    return;
  }
  Room(bound);
  char* at = WriteKey(key, !first_, at_);
  *at++ = '"';
  at = WriteJsonText(value, at);
  *at++ = '"';
  at_ = at;
  first_ = false;
}

void JsonWriter::String(const JsonKey& key, TextView value) {
  const std::size_t bound = JsonKey::kMemberBytes + kWidest * value.size();
  if (!Fits(bound)) {
    String(std::string_view(key.text() + 1, key.size() - 3), value);
    return;
  }
  Room(bound);
  char* at = at_;
  if (!first_) *at++ = ',';
  std::memcpy(at, key.text(), JsonKey::kCapacity);
  at += key.size();
  *at++ = '"';
  at = WriteJsonText(value, at);
  *at++ = '"';
  at_ = at;
  first_ = false;
}

void JsonWriter::AsciiString(std::string_view key, std::string_view value) {
  Key(key);
  Room(1);
  Separate();
  Put('"');
  PutBytes(value);
  Room(1);
  Put('"');
}

void JsonWriter::Utf8String(std::string_view key, std::string_view utf8) {
  Key(key);
  Utf8Value(utf8);
}

void JsonWriter::Utf8Value(std::string_view utf8) {
  Room(2);
  Separate();
  Put('"');
  PutUtf8(utf8);
  Room(1);
  Put('"');
}

void JsonWriter::Value(TextView value) {
  Room(1);
  Separate();
  PutQuoted(value);
}

// Runs that need no escape go in whole; stored forms are all one run.
void JsonWriter::PutUtf8(std::string_view utf8) {
  while (!utf8.empty()) {
    const auto run = std::find_if(utf8.begin(), utf8.end(), [](char c) {
      return NeedsJsonEscape(static_cast<unsigned char>(c));
    });
    PutBytes(std::string_view(utf8.begin(), run));
    if (run == utf8.end()) break;
    Room(kWidest);
    at_ = WriteJsonEscape(static_cast<unsigned char>(*run), at_);
    utf8.remove_prefix(static_cast<std::size_t>(run - utf8.begin()) + 1);
  }
}

void JsonWriter::Verbatim(std::string_view members) {
  const bool at_once = Fits(members.size() + 1);
  Room(at_once ? members.size() + 1 : 1);
  Separate();
  if (!at_once) {
    PutBytes(members);
    return;
  }
  // Most are a form's opening or a row's members, copied for every verb.
  CopyShort(at_, members.data(), members.size());
  at_ += members.size();
}

void JsonWriter::Number(std::string_view key, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Key(key);
  Separate();
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

void JsonWriter::Column(std::string_view key, std::span<const Text> cells, TextView line_break) {
  Key(key);
  Room(2);
  Separate();
  Put('"');
  for (const Text& cell : cells) {
    PutLongText(line_break);
    PutLongText(cell);
  }
  Room(1);
  Put('"');
}

}  // namespace flexoria
