// SPDX-License-Identifier: GPL-3.0-or-later
// The entry box's remapped keys (core/entry_keys.h) as typed text.
#pragma once

#include <QString>

#include "core/entry_keys.h"

namespace flexoria::ui {

// The text a key press should insert: `typed` itself unless it is one of
// the remapped characters.
QString RemapTypedText(const QString& typed);

}  // namespace flexoria::ui
