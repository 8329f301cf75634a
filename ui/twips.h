// SPDX-License-Identifier: GPL-3.0-or-later
// The layout is given in twips; the windows are laid out at 15 twips per pixel.
#pragma once

#include <QPoint>
#include <QRect>

namespace flexoria::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect TwipRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

constexpr QPoint TwipPoint(int x, int y) { return QPoint(Px(x), Px(y)); }

}  // namespace flexoria::ui
