// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_bridge.h"

#include <algorithm>

namespace flexoria::ui {
namespace {

constexpr char32_t kControlPictures = U'\u2400';  // U+2400 SYMBOL FOR NULL onwards
constexpr char32_t kDeletePicture = U'\u2421';

// A pasted line feed would break a cell over two lines, and other control
// characters draw as nothing or as empty boxes: each shows as its picture.
char32_t Visible(char32_t c) {
  if (c < 0x20) return kControlPictures + c;
  return c == 0x7F ? kDeletePicture : c;
}

QString VisibleCell(TextView cell) {
  Text shown(cell);
  std::ranges::transform(shown, shown.begin(), Visible);
  return ToQString(shown);
}

}  // namespace

QString ToQString(TextView text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

Text ToText(const QString& text) {
  Text converted = text.toStdU32String();
  ComposeNfc(converted);
  return converted;
}

QString ForDisplay(const QString& text) {
  QString shown = text;
  return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString DisplayedColumn(const SixCells& cells, std::size_t count) {
  QString column;
  for (std::size_t line = 0; line < count; ++line) {
    column += QLatin1Char('\n');
    column += VisibleCell(cells[line]);
  }
  return column;
}

}  // namespace flexoria::ui
