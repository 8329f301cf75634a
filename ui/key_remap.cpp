#include "ui/key_remap.h"

namespace flexoria::ui {

QString RemapTypedText(const QString& typed) {
  if (typed.size() != 1) return typed;
  for (const KeyRemap& remap : kEntryKeyRemaps) {
    if (typed.front() == QChar(static_cast<char16_t>(remap.typed)))
      return QString(QChar(static_cast<char16_t>(remap.becomes)));
  }
  return typed;
}

}  // namespace flexoria::ui
