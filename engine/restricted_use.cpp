// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/restricted_use.h"

#include <array>
#include <initializer_list>

namespace flexoria {
namespace {

struct NoticeList {
  std::initializer_list<TextView> verbs;
  std::initializer_list<TextView> lines;
};

const std::array<NoticeList, 4> kNotices{{
    {{U"soler"},
     {U"Este verbo no se usa en las siguientes formas:", U"        Futuro;",
      U"        Condicional;", U"        Formas compuestas"}},
    {{U"llover", U"nevar", U"lloviznar", U"granizar", U"acaecer"},
     {U"Este verbo sólo se usa en la tercera persona de singular."}},
    {{U"concernir", U"atañer", U"acontecer", U"ocurrir"},
     {U"Este verbo sólo se usa en la tercera persona."}},
    {{U"abolir", U"arrecir", U"fallir", U"manir", U"aterir", U"preterir", U"transgredir",
      U"colorir", U"descolorir", U"compungir"},
     {U"Este verbo no se usa en las siguientes formas:",
      U"        Singular y tercera persona del plural de Indicativo;",
      U"        Presente de Subjuntivo;", U"        Segunda persona de singular de Imperativo"}},
}};

Text JoinLines(std::initializer_list<TextView> lines, TextView line_break) {
  Text text;
  for (TextView line : lines) {
    if (!text.empty()) text.append(line_break);
    text.append(line);
  }
  return text;
}

}  // namespace

Text RestrictedUseNotice(TextView verb, TextView line_break) {
  for (const NoticeList& notice : kNotices) {
    for (TextView listed : notice.verbs) {
      if (listed == verb) return JoinLines(notice.lines, line_break);
    }
  }
  return {};
}

}  // namespace flexoria
