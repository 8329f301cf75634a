// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the engine's texts and Qt's strings.
#pragma once

#include <QString>
#include <array>

#include "core/form_cells.h"
#include "core/text.h"

namespace flexoria::ui {

QString ToQString(TextView text);
// Composed (NFC), as every text that enters the engine.
Text ToText(const QString& text);

// Qt widgets break lines at a line feed alone; a carriage return before it
// would be drawn as a stray glyph.
QString ForDisplay(const QString& text);

// A column of cells as a label shows it: each cell on a line of its own,
// after an empty first line, its control characters (U+0000 to U+001F,
// U+007F) drawn as their pictures.
QString DisplayedColumn(const SixCells& cells, std::size_t count);

}  // namespace flexoria::ui
