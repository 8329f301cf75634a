#include "ui/infinitive_suggestion.h"

#include "lexicon/lexicon.h"
#include "ui/text_bridge.h"

namespace flexoria::ui {
namespace {

struct Accent {
  QChar plain;
  QChar accented;
};

constexpr Accent kAccents[] = {
    {u'a', u'á'}, {u'e', u'é'}, {u'i', u'í'}, {u'o', u'ó'}, {u'u', u'ú'},
};

bool Listed(const QString& verb) {
  const Text text = ToText(verb);
  return IsInLexicon(text, text);
}

}  // namespace

QString AccentedInfinitive(const QString& verb) {
  if (verb.isEmpty() || Listed(verb)) return {};
  // One written accent at a time, from the end, where it stands in
  // reír, oír, freír and their kind.
  for (qsizetype at = verb.size() - 1; at >= 0; --at) {
    for (const Accent& accent : kAccents) {
      if (verb[at] != accent.plain) continue;
      QString candidate = verb;
      candidate[at] = accent.accented;
      if (Listed(candidate)) return candidate;
    }
  }
  return {};
}

}  // namespace flexoria::ui
