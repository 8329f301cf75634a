// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel3d.h"

#include <QPainter>

namespace flexoria::ui {

Panel3D::Panel3D(const QString& caption, const QRect& caption_band, QWidget* parent)
    : QFrame(parent), caption_(caption), caption_band_(caption_band) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
}

void Panel3D::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(caption_band_, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

}  // namespace flexoria::ui
