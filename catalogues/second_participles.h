// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs with two participles that the Academy accepts with haber, the
// regular one and a second, irregular one that is the more common (he
// imprimido and he impreso), and their compounds: each row names the tail
// of the infinitive and the participle it becomes.
#pragma once

#include <array>

#include "core/text.h"

namespace flexoria {

struct SecondParticiple {
  TextView tail;
  TextView participle;
};

inline constexpr std::array<SecondParticiple, 3> kSecondParticiples{{
    {U"imprimir", U"impreso"},  // reimprimir: reimpreso
    {U"freír", U"frito"},       // sofreír: sofrito
    {U"proveer", U"provisto"},  // desproveer: desprovisto
}};

// Writes the second participle of `verb` into `out` (empty when it has
// none): the verb less its tail, then the tail's participle.
void WriteSecondParticiple(TextView verb, Text& out);

}  // namespace flexoria
