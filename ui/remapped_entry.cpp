// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/remapped_entry.h"

#include <QKeyEvent>

#include "ui/key_remap.h"

namespace flexoria::ui {

bool RemappedEntry::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QKeySequence typed(key.keyCombination());
    for (const QKeySequence& keys : window_keys_) {
      if (keys != typed || (key.matches(QKeySequence::Copy) && hasSelectedText())) continue;
      // Not taken: the window's shortcut runs.
      event->ignore();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void RemappedEntry::keyPressEvent(QKeyEvent* event) {
  // A key with Ctrl, Alt or Meta is a command, not a character typed.
  const bool command =
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  const QString remapped = command ? event->text() : RemapTypedText(event->text());
  if (!command && remapped != event->text()) {
    insert(remapped);
  } else {
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    if (text() == before) return;
  }
  emit typed();
}

}  // namespace flexoria::ui
