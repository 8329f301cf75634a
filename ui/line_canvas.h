// SPDX-License-Identifier: GPL-3.0-or-later
// A plain window area that draws straight lines on its background, beneath
// the controls placed on it.
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>
#include <vector>

namespace flexoria::ui {

struct CanvasLine {
  QLine line;
  QRgb colour;
  int width;
};

class LineCanvas : public QWidget {
 public:
  explicit LineCanvas(QWidget* parent = nullptr) : QWidget(parent) {}

  void AddLine(const CanvasLine& line);
  const std::vector<CanvasLine>& lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<CanvasLine> lines_;
};

}  // namespace flexoria::ui
