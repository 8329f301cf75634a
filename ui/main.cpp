// SPDX-License-Identifier: GPL-3.0-or-later
// Flexoria, the conjugator of Spanish verbs.
#include <QApplication>

#include "ui/fonts.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  flexoria::ui::InstallFontSubstitutes();
  flexoria::ui::Program program;
  program.Start();
  return QApplication::exec();
}
