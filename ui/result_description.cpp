// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result_description.h"

#include <QStringList>

#include "ui/text_bridge.h"

namespace flexoria::ui {
namespace {

struct Pronoun {
  const char16_t* label;
  const char16_t* pronoun;
};

constexpr Pronoun kPronouns[] = {
    {u"1", u"yo"},         {u"2", u"tú"},         {u"3", u"él/ella/usted"},
    {u"1 1", u"nosotros"}, {u"2 2", u"vosotros"}, {u"3 3", u"ellos/ustedes"},
};

QString PronounOf(const QString& label) {
  for (const Pronoun& pronoun : kPronouns) {
    if (label == QString::fromUtf16(pronoun.label)) return QString::fromUtf16(pronoun.pronoun);
  }
  return label;
}

}  // namespace

QString PersonByPerson(const QString& persons, const KeptCells& cells) {
  const QStringList labels = ForDisplay(persons).split(u'\n');
  QStringList read;
  for (std::size_t line = 0; line < cells.count; ++line) {
    const QString form = ToQString(cells.stems[line]) + ToQString(cells.endings[line]);
    // The first label line is the empty one before the first person.
    const auto at = static_cast<qsizetype>(line) + 1;
    const bool has_persons = labels.size() > 1;
    if (!has_persons) {
      read.append(form);
      continue;
    }
    const QString label = at < labels.size() ? labels[at] : QString();
    if (!label.isEmpty()) read.append(PronounOf(label) + u' ' + form);
  }
  return read.join(QStringLiteral(", "));
}

}  // namespace flexoria::ui
