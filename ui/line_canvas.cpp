// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/line_canvas.h"

#include <QPainter>

namespace flexoria::ui {

void LineCanvas::AddLine(const CanvasLine& line) {
  lines_.push_back(line);
  update();
}

void LineCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const CanvasLine& line : lines_) {
    // Square caps close the corners where two lines of a box meet.
    painter.setPen(QPen(QColor(line.colour), line.width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(line.line);
  }
}

}  // namespace flexoria::ui
