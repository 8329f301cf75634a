// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/paradigm_json.h"

#include <array>

#include "cli/json_writer.h"
#include "cli/terminal_text.h"

namespace flexoria {
namespace {

void WriteMessage(JsonWriter& json, const Message& message) {
  json.BeginObject();
  json.String("title", message.title);
  json.Utf8String("text", PlainLines(message.text));
  json.EndObject();
}

// A row's members, in the order they are written; the keys are made when
// the program is compiled, there being so many rows.
constexpr JsonKey kPerson{"person"};
constexpr JsonKey kPronoun{"pronoun"};
constexpr JsonKey kClitic{"clitic"};
constexpr JsonKey kAuxiliary{"auxiliary"};
constexpr JsonKey kStem{"stem"};
constexpr JsonKey kEnding{"ending"};
constexpr JsonKey kText{"text"};

// `"person":"1","pronoun":"yo"` for every person and mood, made once:
// every row starts with one, the same for every verb.
std::string_view PersonMembers(int person, bool imperative) {
  constexpr int kPersonSlots = kVos - kNoPerson + 1;
  const auto slot = [](int person, bool imperative) {
    return static_cast<std::size_t>((person - kNoPerson) * 2 + (imperative ? 1 : 0));
  };
  static const auto kMembers = [&slot] {
    std::array<std::string, 2 * kPersonSlots> members;
    for (int each = kNoPerson; each <= kVos; ++each) {
      for (const bool in_imperative : {false, true}) {
        const PersonName name = NameOfPerson(each, in_imperative);
        JsonWriter json(members[slot(each, in_imperative)]);
        json.String(kPerson, name.label);
        json.String(kPronoun, name.pronoun);
      }
    }
    return members;
  }();
  return kMembers[slot(person, imperative)];
}

void WriteRow(JsonWriter& json, const FullRow& row, bool imperative) {
  json.BeginObject();
  json.Verbatim(PersonMembers(row.person, imperative));
  if (!row.clitic.empty()) json.String(kClitic, row.clitic);
  if (!row.auxiliary.empty()) json.String(kAuxiliary, row.auxiliary);
  json.String(kStem, row.stem);
  json.String(kEnding, row.ending);
  json.String(kText, row.text);
  if (!row.used) json.Boolean("used", false);
  if (!row.also.empty()) {
    json.BeginArray("also");
    for (const TextView other : row.also) json.Value(other);
    json.EndArray();
  }
  json.EndObject();
}

void WriteForm(JsonWriter& json, const FullForm& form) {
  json.BeginObject();
  if (form.form->option > 0) {
    json.Number("option", form.form->option);
  } else {
    json.Null("option");
  }
  json.AsciiString("name", form.form->name);
  json.String("title", form.form->title);
  json.BeginArray("rows");
  const bool imperative = form.form->mood == Mood::kImperative;
  for (const FullRow& row : form.Rows()) WriteRow(json, row, imperative);
  json.EndArray();
  json.EndObject();
}

}  // namespace

void AppendParadigmJson(const FullParadigmResult& paradigm, const FormSpec* only,
                        std::string& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.String("verb", paradigm.entry);
  json.Boolean("pronominal", paradigm.pronominal);
  json.BeginArray("notices");
  for (const Message& notice : paradigm.notices) WriteMessage(json, notice);
  json.EndArray();
  if (paradigm.refusal) {
    json.Key("refusal");
    WriteMessage(json, *paradigm.refusal);
  } else {
    json.Null("refusal");
  }
  json.BeginArray("suggestions");
  for (const Text& suggestion : paradigm.suggestions) json.Utf8Value(EncodeUtf8(suggestion));
  json.EndArray();
  json.BeginArray("forms");
  for (const FullForm& form : paradigm.Forms()) {
    if (only == nullptr || only == form.form) WriteForm(json, form);
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace flexoria
