#include "cli/paradigm_json.h"

#include "cli/paradigm_table.h"

namespace flexoria {
namespace {

using Json = nlohmann::ordered_json;

Json MessageJson(const Message& message) {
  return {{"title", PlainLines(message.title)}, {"text", PlainLines(message.text)}};
}

Json FormJson(const ParadigmForm& form) {
  Json rows = Json::array();
  for (const ParadigmRow& row : form.rows) {
    rows.push_back({{"person", EncodeUtf8(row.person)},
                    {"stem", EncodeUtf8(row.stem)},
                    {"ending", EncodeUtf8(row.ending)}});
  }
  return {{"option", form.form->option},
          {"name", std::string(form.form->name)},
          {"title", EncodeUtf8(form.form->title)},
          {"rows", std::move(rows)}};
}

}  // namespace

Json ParadigmJson(const Paradigm& paradigm) {
  Json notices = Json::array();
  for (const Message& notice : paradigm.notices) notices.push_back(MessageJson(notice));
  Json forms = Json::array();
  for (const ParadigmForm& form : paradigm.forms) forms.push_back(FormJson(form));
  Json json;
  json["verb"] = EncodeUtf8(paradigm.entry);
  json["notices"] = std::move(notices);
  json["refusal"] = paradigm.refusal ? MessageJson(*paradigm.refusal) : Json();
  json["forms"] = std::move(forms);
  return json;
}

}  // namespace flexoria
