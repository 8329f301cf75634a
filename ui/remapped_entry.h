// SPDX-License-Identifier: GPL-3.0-or-later
// An entry box that types á, é, í, ó, ú and ñ on the six remapped keys, as
// the main window's does.
#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

namespace flexoria::ui {

class RemappedEntry : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // Keys that stay the window's commands while the box has the focus, where
  // the box would take them for itself (Ctrl+E moves to the end of the line
  // on X11). Copy is left to the window only while no text is selected.
  void LeaveToWindow(const QList<QKeySequence>& keys) { window_keys_ = keys; }

 signals:
  // Typed by the user, remapped keys included.
  void typed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QList<QKeySequence> window_keys_;
};

}  // namespace flexoria::ui
