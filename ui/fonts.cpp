// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QtMath>

namespace flexoria::ui {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

QFont BoldFont(const char* family, double points) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(qRound(points * kPixelsPerPoint));
  font.setBold(true);
  return font;
}

}  // namespace

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont TimesFont(double points) { return BoldFont("Times New Roman", points); }
QFont SansSerifFont(double points) { return BoldFont("MS Sans Serif", points); }
QFont ArialFont(double points) { return BoldFont("Arial", points); }

}  // namespace flexoria::ui
