// SPDX-License-Identifier: GPL-3.0-or-later
// Which forms of a defective verb are not in use, by the class the verb's
// defect puts it in (catalogues/defective_verbs.h). The forms stay in the
// paradigm; a front end shows them set apart.
#pragma once

#include "catalogues/defective_verbs.h"
#include "engine/form_table.h"

namespace flexoria {

// Whether the form of `person` (kNoPerson, 0 to 5, kVos as in
// full_paradigm.h) of `form` is in use for a verb with `defect`; `ending`
// is the row's ending cell.
bool FormInUse(Defect defect, const FormSpec& form, int person, TextView ending);

}  // namespace flexoria
