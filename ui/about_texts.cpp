// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_texts.h"

#include <QStringList>

namespace flexoria::ui {

QString InformationMessage() {
  return QStringList{
      QStringLiteral(
          "Ez a program szabadon másolható és terjeszthető. A Flexoria csapata nem vállal "
          "felelősséget a program telepítéséből vagy használatából eredő hibákért. A program "
          "Linux rendszereken fut (Debian 12 vagy újabb); telepítéséhez adja ki a forrás "
          "könyvtárában a „make install” parancsot, vagy telepítse a Debian-csomagot. Örömmel "
          "fogadunk minden észrevételt a programról és a nyelvi anyagáról."),
      QStringLiteral("        A Flexoria csapata, Flexoria projekt"),
      QStringLiteral("        Példa utca 1., 1000 Budapest"),
      QStringLiteral("        E-mail: flexoria@example.org"),
  }
      .join(QStringLiteral("\r\n"));
}

}  // namespace flexoria::ui
