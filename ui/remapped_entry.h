// An entry box that types á, é, í, ó, ú and ñ on the six remapped keys, as
// the main window's does.
#pragma once

#include <QLineEdit>

namespace flexoria::ui {

class RemappedEntry : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 signals:
  // Typed by the user, remapped keys included.
  void typed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace flexoria::ui
