// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/paradigm_json.h"

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

void WriteRow(JsonWriter& json, const FullRow& row) {
  json.BeginObject();
  json.String(kPerson, row.person_label);
  json.String(kPronoun, row.pronoun);
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
  for (const FullRow& row : form.Rows()) WriteRow(json, row);
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
