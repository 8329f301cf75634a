// Conversions between the engine's texts and Qt's strings.
#pragma once

#include <QString>

#include "core/text.h"

namespace flexoria::ui {

QString ToQString(TextView text);
Text ToText(const QString& text);

// Qt widgets break lines at a line feed alone; a carriage return before it
// would be drawn as a stray glyph.
QString ForDisplay(const QString& text);

}  // namespace flexoria::ui
