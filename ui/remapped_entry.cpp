#include "ui/remapped_entry.h"

#include <QKeyEvent>

#include "ui/key_remap.h"

namespace flexoria::ui {

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
