// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/paradigm_json_rapidjson.h"

#include <rapidjson/encodings.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>

namespace flexoria {
namespace {

using Utf32 = rapidjson::UTF32<char32_t>;
using Writer = rapidjson::Writer<rapidjson::StringBuffer, Utf32, rapidjson::UTF8<>>;

void Key(Writer& json, TextView key) {
  json.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
}

void String(Writer& json, TextView key, TextView value) {
  Key(json, key);
  json.String(value.data(), static_cast<rapidjson::SizeType>(value.size()));
}

void WriteMessage(Writer& json, const Message& message) {
  Text text = message.text;
  for (auto at = text.find(U"\r\n"); at != Text::npos; at = text.find(U"\r\n", at)) {
    text.erase(at, 1);
  }
  json.StartObject();
  String(json, U"title", message.title);
  String(json, U"text", text);
  json.EndObject();
}

void WriteRow(Writer& json, const FullRow& row) {
  json.StartObject();
  String(json, U"person", row.person_label);
  String(json, U"pronoun", row.pronoun);
  if (!row.clitic.empty()) String(json, U"clitic", row.clitic);
  if (!row.auxiliary.empty()) String(json, U"auxiliary", row.auxiliary);
  String(json, U"stem", row.stem);
  String(json, U"ending", row.ending);
  String(json, U"text", row.text);
  if (!row.used) {
    Key(json, U"used");
    json.Bool(false);
  }
  if (!row.also.empty()) {
    Key(json, U"also");
    json.StartArray();
    for (const TextView other : row.also) {
      json.String(other.data(), static_cast<rapidjson::SizeType>(other.size()));
    }
    json.EndArray();
  }
  json.EndObject();
}

void WriteForm(Writer& json, const FullForm& form) {
  json.StartObject();
  Key(json, U"option");
  if (form.form->option > 0) {
    json.Int(form.form->option);
  } else {
    json.Null();
  }
  // The short names are ASCII; written once as UTF-32 for the writer.
  static const std::array<Text, kFullParadigmFormCount> kNames = [] {
    std::array<Text, kFullParadigmFormCount> names;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::string_view name = FullParadigmForms()[i].name;
      names[i].assign(name.begin(), name.end());
    }
    return names;
  }();
  String(json, U"name", kNames[static_cast<std::size_t>(form.form - FullParadigmForms().data())]);
  String(json, U"title", form.form->title);
  Key(json, U"rows");
  json.StartArray();
  for (const FullRow& row : form.Rows()) WriteRow(json, row);
  json.EndArray();
  json.EndObject();
}

}  // namespace

std::string_view ParadigmJsonLineRapidjson(const FullParadigmResult& paradigm) {
  // Both kept from one line to the next, as the library allows, so that
  // neither allocates once grown.
  static rapidjson::StringBuffer buffer;
  static Writer json(buffer);
  buffer.Clear();
  json.Reset(buffer);
  json.StartObject();
  String(json, U"verb", paradigm.entry);
  Key(json, U"pronominal");
  json.Bool(paradigm.pronominal);
  Key(json, U"notices");
  json.StartArray();
  for (const Message& notice : paradigm.notices) WriteMessage(json, notice);
  json.EndArray();
  Key(json, U"refusal");
  if (paradigm.refusal) {
    WriteMessage(json, *paradigm.refusal);
  } else {
    json.Null();
  }
  Key(json, U"suggestions");
  json.StartArray();
  for (const Text& suggestion : paradigm.suggestions) {
    json.String(suggestion.data(), static_cast<rapidjson::SizeType>(suggestion.size()));
  }
  json.EndArray();
  Key(json, U"forms");
  json.StartArray();
  for (const FullForm& form : paradigm.Forms()) WriteForm(json, form);
  json.EndArray();
  json.EndObject();
  buffer.Put('\n');
  return {buffer.GetString(), buffer.GetSize()};
}

}  // namespace flexoria
