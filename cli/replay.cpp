// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/replay.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/json_writer.h"
#include "core/regular_values.h"

namespace flexoria {
namespace {

void WriteState(const ConjugationSession& session, JsonWriter& json) {
  const ConjugationState& s = session.state();
  json.Key("state");
  json.BeginObject();
  json.String("Verb", s.Verb);
  json.String("Stem", s.Stem);
  json.Number("EntryLength", s.EntryLength);
  json.String("InfEnding", s.InfEnding);
  json.String("LineBreak", s.LineBreak);
  json.Number("Found", s.Found);
  for (const NamedSlot& named : kStemSlots) json.String(named.name, s.*named.slot);
  for (const EndingSlot& named : kEndingSlots) json.String(named.name, s.*named.slot);
  json.String("LastVerb", session.last_verb());
  json.EndObject();
}

// Messages quote the broken input, which need not be valid UTF-8: the
// library's replacement handler keeps the answer printable.
std::string ErrorLine(const std::string& what) {
  return nlohmann::json{{"error", what}}.dump(-1, ' ', false,
                                              nlohmann::json::error_handler_t::replace);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

const std::string& Replay::RunLine(std::string_view line) {
  answer_.clear();
  if (IsBlank(line)) return answer_;
  const std::string error = ParseReplayRequest(line, request_);
  if (!error.empty()) {
    had_bad_input_ = true;
    answer_ = ErrorLine(error);
    return answer_;
  }
  ui_.PrepareRequest(request_.entry, request_.option);
  session_.RunRequest(ui_);

  JsonWriter json(answer_);
  json.BeginObject();
  json.BeginArray("messages");
  for (const Message& m : ui_.messages()) {
    json.BeginObject();
    json.String("title", m.title);
    json.String("text", m.text);
    json.EndObject();
  }
  json.EndArray();
  json.String("title", ui_.title());
  json.String("persons", ui_.persons());
  json.Column("stems", ui_.shown_stems(), kLineBreak);
  json.Column("endings", ui_.shown_endings(), kLineBreak);
  json.Boolean("red", ui_.endings_red());
  if (with_state_) WriteState(session_, json);
  json.EndObject();
  return answer_;
}

int RunReplay(std::istream& in, std::ostream& out, bool with_state) {
  Replay replay(with_state);
  std::string line;
  while (std::getline(in, line)) {
    const std::string& answer = replay.RunLine(line);
    if (answer.empty()) continue;
    out.write(answer.data(), static_cast<std::streamsize>(answer.size()));
    out.put('\n');
    // Every answer is out before the program could wait for more input;
    // lines already read in run first, saving a write for each of them.
    if (in.rdbuf()->in_avail() <= 0) out.flush();
  }
  out.flush();
  return replay.had_bad_input() ? 1 : 0;
}

}  // namespace flexoria
