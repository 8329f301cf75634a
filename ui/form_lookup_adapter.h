// SPDX-License-Identifier: GPL-3.0-or-later
// The one door from the windows to the form lookup: a typed form in, its
// readings out, as the windows show them. The index is opened on the first
// question, so a program that never looks a form up never touches it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace flexoria::ui {

struct LookupReading {
  QString text;  // the whole form as written: "había tenido"
  qsizetype ending_at = 0;
  qsizetype ending_length = 0;
  QString infinitive;  // the verb the form belongs to, "lavarse" for "me lavo"
  QString form_name;   // the form's short name: "pluscuamperfecto"
  QString person;      // "1" to "3 3" or "vos"; empty for the forms without persons
  QString pronoun;     // "yo", "él/ella/usted"; empty without persons
};

struct LookupAnswer {
  bool refused = false;  // empty, too long, or holding control characters
  std::vector<LookupReading> readings;
  QStringList suggestions;  // stored forms the typed text may have meant
};

LookupAnswer LookUpForm(const QString& typed);

}  // namespace flexoria::ui
