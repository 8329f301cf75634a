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

QString DisplayedColumn(const std::array<Text, 6>& cells, std::size_t count) {
  QString column;
  for (std::size_t line = 0; line < count; ++line) {
    column += QLatin1Char('\n');
    column += ToQString(cells[line]);
  }
  return column;
}

}  // namespace flexoria::ui
