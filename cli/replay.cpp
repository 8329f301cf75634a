#include "cli/replay.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

namespace flexoria {
namespace {

using Json = nlohmann::ordered_json;

std::string Utf8(TextView text) { return EncodeUtf8(text); }

struct Request {
  Text entry;
  int option = 0;
};

class BadInput {
 public:
  explicit BadInput(std::string what) : what_(std::move(what)) {}
  const std::string& what() const { return what_; }

 private:
  std::string what_;
};

Request ParseRequest(std::string_view line) {
  Json json;
  try {
    json = Json::parse(line);
  } catch (const Json::exception& e) {
    throw BadInput(std::string("not valid JSON: ") + e.what());
  }
  if (!json.is_object()) throw BadInput("not a JSON object");
  const auto entry = json.find("entry");
  if (entry == json.end()) throw BadInput("missing \"entry\"");
  if (!entry->is_string()) throw BadInput("\"entry\" is not a string");
  const auto option = json.find("option");
  if (option == json.end()) throw BadInput("missing \"option\"");
  if (!option->is_number_integer()) throw BadInput("\"option\" is not an integer");
  const auto number = option->get<std::int64_t>();
  if (number < 1 || number > 13) throw BadInput("\"option\" is not between 1 and 13");
  auto text = DecodeUtf8(entry->get_ref<const std::string&>());
  if (!text) throw BadInput("\"entry\" is not valid UTF-8");
  return {std::move(*text), static_cast<int>(number)};
}

Json StateJson(const ConjugationSession& session) {
  const ConjugationState& s = session.state();
  Json state;
  state["Verb"] = Utf8(s.Verb);
  state["Stem"] = Utf8(s.Stem);
  state["EntryLength"] = s.EntryLength;
  state["InfEnding"] = Utf8(s.InfEnding);
  state["LineBreak"] = Utf8(s.LineBreak);
  state["Found"] = s.Found;
  for (const NamedSlot& named : kStemSlots) state[std::string(named.name)] = Utf8(s.*named.slot);
  for (const EndingSlot& named : kEndingSlots) {
    state[std::string(named.name)] = Utf8(s.*named.slot);
  }
  state["LastVerb"] = Utf8(session.last_verb());
  return state;
}

// The error handler keeps a message that quotes broken input printable.
std::string Dump(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::string Replay::RunLine(std::string_view line) {
  if (IsBlank(line)) return {};
  Request request;
  try {
    request = ParseRequest(line);
  } catch (const BadInput& bad) {
    had_bad_input_ = true;
    return Dump(Json{{"error", bad.what()}});
  }
  ui_.PrepareRequest(request.entry, request.option);
  session_.RunRequest(ui_);

  Json out;
  Json messages = Json::array();
  for (const Message& m : ui_.messages()) {
    messages.push_back({{"title", Utf8(m.title)}, {"text", Utf8(m.text)}});
  }
  out["messages"] = std::move(messages);
  out["title"] = Utf8(ui_.title());
  out["persons"] = Utf8(ui_.persons());
  out["stems"] = Utf8(ui_.stems());
  out["endings"] = Utf8(ui_.endings());
  out["red"] = ui_.endings_red();
  if (with_state_) out["state"] = StateJson(session_);
  return Dump(out);
}

int RunReplay(std::istream& in, std::ostream& out, bool with_state) {
  Replay replay(with_state);
  std::string line;
  while (std::getline(in, line)) {
    const std::string answer = replay.RunLine(line);
    if (answer.empty()) continue;
    out << answer << '\n';
    out.flush();
  }
  return replay.had_bad_input() ? 1 : 0;
}

}  // namespace flexoria
