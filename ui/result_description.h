// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader should hear of the main window's result display:
// its three columns read across, person by person ("yo tengo, tú tienes…"),
// where the columns themselves read down.
#pragma once

#include <QString>

#include "core/form_cells.h"

namespace flexoria::ui {

// `persons` is the person column as shown, one label a line after an
// empty first line; a line without a label holds no form.
QString PersonByPerson(const QString& persons, const KeptCells& cells);

}  // namespace flexoria::ui
