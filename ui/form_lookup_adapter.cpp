// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_lookup_adapter.h"

#include "lookup/form_lookup.h"
#include "ui/text_bridge.h"

namespace flexoria::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

LookupReading ShownReading(const FormReading& reading) {
  LookupReading shown;
  shown.text = FromUtf8(reading.text);
  shown.ending_at = FromUtf8(reading.before).size() + FromUtf8(reading.stem).size();
  shown.ending_length = FromUtf8(reading.ending).size();
  shown.infinitive = FromUtf8(reading.verb);
  shown.form_name = FromUtf8(reading.name);
  shown.person = FromUtf8(reading.person);
  shown.pronoun = FromUtf8(reading.pronoun);
  return shown;
}

}  // namespace

LookupAnswer LookUpForm(const QString& typed) {
  // Built on the first question: the index stays untouched until then.
  static FormLookup lookup(EmbeddedFormIndex());
  const Identification& found = lookup.Identify(ToText(typed));
  LookupAnswer answer;
  answer.refused = found.problem != TypedFormProblem::kNone;
  for (const FormReading& reading : found.readings)
    answer.readings.push_back(ShownReading(reading));
  for (const std::string_view suggestion : found.suggestions) {
    answer.suggestions.append(FromUtf8(suggestion));
  }
  return answer;
}

}  // namespace flexoria::ui
