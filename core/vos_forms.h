// SPDX-License-Identifier: GPL-3.0-or-later
// The vos forms of Argentina, Uruguay and Central America, built from the
// vosotros forms: tenéis gives tenés, tened gives tené.
#pragma once

#include "core/text.h"

namespace flexoria {

// The forms vos has of its own; everywhere else it takes tú's form.
enum class VosForm { kPresent, kImperative };

struct VosCells {
  Text stem;
  Text ending;
};

// The vos form of `verb` (the infinitive) from its vosotros form, split as
// stem and ending. The stem keeps as much of the vosotros stem as the vos
// form shares with it.
void WriteVos(VosForm form, TextView verb, TextView vosotros_stem, TextView vosotros_ending,
              VosCells& out);

}  // namespace flexoria
