// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <array>

#include "ui/fonts.h"

namespace flexoria::ui {
namespace {

constexpr QRgb kCoverRed = qRgb(150, 30, 30);
constexpr QRgb kPaper = qRgb(255, 250, 235);
constexpr QRgb kPaperShade = qRgb(230, 220, 195);
constexpr QRgb kWriting = qRgb(120, 130, 160);

QPixmap TransparentPixmap(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// The program's icon, as in the installed data/icons/flexoria.svg: a card
// with four conjugated forms, stems in ink and endings in red. Drawn on a
// 128-unit grid.
QPixmap DrawProgramIcon(int size) {
  struct Bar {
    qreal x, y, width;
  };
  constexpr Bar kStems[] = {{24, 28, 40}, {34, 50, 30}, {24, 72, 40}, {40, 94, 24}};
  constexpr Bar kEndings[] = {{68, 28, 14}, {68, 50, 26}, {68, 72, 20}, {68, 94, 36}};
  QPixmap pixmap = TransparentPixmap(size, size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 128.0, size / 128.0);
  QLinearGradient paper(0, 8, 0, 120);
  paper.setColorAt(0, QColor(0xff, 0xfb, 0xe3));
  paper.setColorAt(1, QColor(0xfb, 0xe8, 0xa0));
  painter.setPen(QPen(QColor(0xb5, 0x8a, 0x1b), 4));
  painter.setBrush(paper);
  painter.drawRoundedRect(QRectF(8, 8, 112, 112), 22, 22);
  painter.setPen(Qt::NoPen);
  const auto draw_bars = [&painter](const auto& bars, QColor colour) {
    painter.setBrush(colour);
    for (const Bar& bar : bars) painter.drawRoundedRect(QRectF(bar.x, bar.y, bar.width, 12), 6, 6);
  };
  draw_bars(kStems, QColor(0x34, 0x34, 0x34));
  draw_bars(kEndings, QColor(0xd6, 0x28, 0x28));
  return pixmap;
}

// A page of the book, hinged on the spine; its free edge stands at `angle`
// degrees (0 = lying to the right, 180 = to the left). A lifted page bulges
// towards where it came from, so that it still shows when it stands upright.
struct Page {
  QPointF spine_top;
  QPointF outer_top;
  QPointF outer_bottom;
  QPointF spine_bottom;
  QPointF bulge;
};

Page PageAt(qreal angle) {
  constexpr QPointF kSpineTop(60, 34);
  constexpr QPointF kSpineBottom(60, 82);
  constexpr qreal kPageWidth = 48;
  constexpr qreal kSlope = 8;  // how far the outer corners rise above the spine
  const qreal radians = qDegreesToRadians(angle);
  const qreal dx = kPageWidth * qCos(radians);
  const qreal lift = kSlope * qAbs(qCos(radians)) + 26 * qSin(radians);
  const QPointF outer(dx, -lift);
  return {kSpineTop, kSpineTop + outer, kSpineBottom + outer, kSpineBottom,
          outer * 0.5 + QPointF(14 * qSin(radians), -6 * qSin(radians))};
}

QPainterPath Outline(const Page& page) {
  QPainterPath path(page.spine_top);
  path.quadTo(page.spine_top + page.bulge, page.outer_top);
  path.lineTo(page.outer_bottom);
  path.quadTo(page.spine_bottom + page.bulge, page.spine_bottom);
  path.closeSubpath();
  return path;
}

void DrawPage(QPainter& painter, const Page& page) {
  painter.setPen(QPen(QColor(kPaperShade), 1.5));
  painter.setBrush(QColor(kPaper));
  painter.drawPath(Outline(page));
}

void DrawWriting(QPainter& painter, const Page& page) {
  painter.setPen(QPen(QColor(kWriting), 2.5, Qt::SolidLine, Qt::RoundCap));
  for (int line = 1; line <= 4; ++line) {
    const qreal t = line / 5.0;
    const QPointF from = page.spine_top + (page.spine_bottom - page.spine_top) * t;
    const QPointF to = page.outer_top + (page.outer_bottom - page.outer_top) * t;
    painter.drawLine(from + (to - from) * 0.15, from + (to - from) * 0.85);
  }
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(DrawProgramIcon(size));
  return icon;
}

QPixmap InformationIcon() {
  QPixmap pixmap = TransparentPixmap(64, 64);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(10, 40, 110), 2));
  painter.setBrush(QColor(40, 110, 220));
  painter.drawEllipse(QRectF(3, 3, 58, 58));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(27, 12, 10, 10));
  painter.drawRoundedRect(QRectF(27, 27, 10, 25), 3, 3);
  painter.drawRoundedRect(QRectF(22, 27, 10, 5), 2, 2);
  painter.drawRoundedRect(QRectF(22, 48, 20, 5), 2, 2);
  painter.end();
  pixmap.setDevicePixelRatio(2);
  return pixmap;
}

QPixmap AnimationFrame(int frame) {
  // The turning page lies right, stands up, then lies left.
  static constexpr std::array<qreal, kAnimationFrames> kPageAngles{25, 90, 155};
  QPixmap pixmap = TransparentPixmap(120, 96);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kCoverRed));
  painter.drawPolygon(QPolygonF({QPointF(6, 28), QPointF(60, 38), QPointF(114, 28),
                                 QPointF(114, 84), QPointF(60, 94), QPointF(6, 84)}));
  for (qreal flat : {180.0, 0.0}) {
    DrawPage(painter, PageAt(flat));
    DrawWriting(painter, PageAt(flat));
  }
  DrawPage(painter, PageAt(kPageAngles.at(static_cast<std::size_t>(frame - 1))));
  return pixmap;
}

}  // namespace flexoria::ui
