// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colours.h"

#include <QPalette>

namespace flexoria::ui {

void FillBackground(QWidget* widget, QRgb rgb) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(rgb));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, QRgb rgb) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(rgb));
  palette.setColor(QPalette::Text, QColor(rgb));
  widget->setPalette(palette);
}

}  // namespace flexoria::ui
