// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_remap.h"

namespace flexoria::ui {

QString RemapTypedText(const QString& typed) {
  if (typed.size() != 1) return typed;
  const char32_t key = typed.front().unicode();
  const char32_t letter = RemappedKey(key);
  return letter == key ? typed : QString(QChar(static_cast<char16_t>(letter)));
}

}  // namespace flexoria::ui
