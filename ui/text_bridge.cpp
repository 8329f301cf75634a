#include "ui/text_bridge.h"

namespace flexoria::ui {

QString ToQString(TextView text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

Text ToText(const QString& text) { return text.toStdU32String(); }

QString ForDisplay(const QString& text) {
  QString shown = text;
  return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace flexoria::ui
