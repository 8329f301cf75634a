// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop.h"

#include <QApplication>
#include <QMessageBox>

namespace flexoria::ui {
namespace {

void ShowMessageBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
  QMessageBox box(
      icon == MessageIcon::kInformation ? QMessageBox::Information : QMessageBox::NoIcon, title,
      text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

DesktopHooks& Desktop() {
  static DesktopHooks hooks{ShowMessageBox, [] { QApplication::beep(); },
                            [] { QCoreApplication::quit(); }};
  return hooks;
}

void ShowModalMessage(QWidget* parent, const QString& text, const QString& title,
                      MessageIcon icon) {
  Desktop().show_message(parent, text, title, icon);
}

void Beep() { Desktop().beep(); }

void QuitProgram() { Desktop().quit(); }

}  // namespace flexoria::ui
