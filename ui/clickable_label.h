// SPDX-License-Identifier: GPL-3.0-or-later
// A picture or label that reports a click of the left mouse button.
#pragma once

#include <QLabel>

namespace flexoria::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace flexoria::ui
