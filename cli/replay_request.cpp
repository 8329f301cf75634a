// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/replay_request.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/form_table.h"

namespace flexoria {
namespace {

using Json = nlohmann::json;

enum class Seen { kMissing, kWanted, kOtherType };

// Picks the two members out of the parser's events without building a
// document: lines are parsed by the hundred thousand.
class RequestReader : public nlohmann::json_sax<Json> {
 public:
  explicit RequestReader(std::string& entry) : entry_(entry) {}

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t value) override { return Integer(value, false); }
  bool number_unsigned(number_unsigned_t value) override {
    constexpr auto kLargest =
        static_cast<number_unsigned_t>(std::numeric_limits<std::int64_t>::max());
    return value > kLargest ? Integer(0, true) : Integer(static_cast<std::int64_t>(value), false);
  }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }
  bool string(string_t& value) override {
    if (AtTopMember() && member_ == Member::kEntry) {
      entry_.swap(value);
      entry_seen_ = Seen::kWanted;
      return true;
    }
    return Value();
  }
  bool start_object(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(false); }
  bool end_array() override { return Close(); }
  bool key(string_t& name) override {
    if (depth_ == 1) {
      member_ = name == "entry"    ? Member::kEntry
                : name == "option" ? Member::kOption
                                   : Member::kOther;
    }
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
    error_ = std::string("not valid JSON: ") + e.what();
    return false;
  }

  const std::string& error() const { return error_; }
  bool top_is_object() const { return top_is_object_; }
  Seen entry_seen() const { return entry_seen_; }
  Seen option_seen() const { return option_seen_; }
  // The option when it is a whole number; values past the int64 range
  // count as out of range, like any other.
  std::int64_t option() const { return option_; }
  bool option_too_large() const { return option_too_large_; }

 private:
  enum class Member { kEntry, kOption, kOther };

  bool AtTopMember() const { return depth_ == 1; }

  // A value of another type than the member wants; a later duplicate of a
  // member replaces an earlier one, as in a parsed document.
  bool Value() {
    if (AtTopMember()) Mark(Seen::kOtherType);
    return true;
  }

  bool Integer(std::int64_t value, bool too_large) {
    if (AtTopMember() && member_ == Member::kOption) {
      option_seen_ = Seen::kWanted;
      option_ = value;
      option_too_large_ = too_large;
      return true;
    }
    return Value();
  }

  void Mark(Seen seen) {
    if (member_ == Member::kEntry) entry_seen_ = seen;
    if (member_ == Member::kOption) option_seen_ = seen;
  }

  bool Open(bool object) {
    if (depth_ == 0) top_is_object_ = object;
    if (AtTopMember()) Mark(Seen::kOtherType);
    ++depth_;
    return true;
  }

  bool Close() {
    --depth_;
    return true;
  }

  std::string& entry_;
  std::string error_;
  int depth_ = 0;
  Member member_ = Member::kOther;
  bool top_is_object_ = false;
  Seen entry_seen_ = Seen::kMissing;
  Seen option_seen_ = Seen::kMissing;
  std::int64_t option_ = 0;
  bool option_too_large_ = false;
};

}  // namespace

std::string ParseReplayRequest(std::string_view line, ReplayRequest& request) {
  std::string& entry = request.utf8_entry;
  RequestReader reader(entry);
  if (!Json::sax_parse(line, &reader)) return reader.error();
  if (!reader.top_is_object()) return "not a JSON object";
  if (reader.entry_seen() == Seen::kMissing) return "missing \"entry\"";
  if (reader.entry_seen() != Seen::kWanted) return "\"entry\" is not a string";
  if (reader.option_seen() == Seen::kMissing) return "missing \"option\"";
  if (reader.option_seen() != Seen::kWanted) return "\"option\" is not an integer";
  if (reader.option_too_large() || reader.option() < 1 || reader.option() > kOptionCount) {
    return "\"option\" is not between 1 and " + std::to_string(kOptionCount);
  }
  if (!DecodeUtf8(entry, request.entry)) return "\"entry\" is not valid UTF-8";
  request.option = static_cast<int>(reader.option());
  return {};
}

}  // namespace flexoria
