// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that Spanish uses with a pronoun of their own (lavarse, irse,
// arrepentirse), from the list in lexicon/source/pronominal.txt. Like the
// word lists, the list only warns: any infinitive + se is conjugated.
#pragma once

#include "core/text.h"

namespace flexoria {

// Whether `infinitive` (without se) has a pronominal use.
bool HasPronominalUse(TextView infinitive);

}  // namespace flexoria
