// The known infinitive an unknown one may have meant: "reir" is "reír".
#pragma once

#include <QString>

namespace flexoria::ui {

// The listed infinitive that `verb` spells without one of its written
// accents; empty when `verb` is listed itself or no such infinitive is.
QString AccentedInfinitive(const QString& verb);

}  // namespace flexoria::ui
