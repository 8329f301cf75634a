// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' colours, and the two ways a widget takes one.
#pragma once

#include <QColor>
#include <QWidget>

namespace flexoria::ui {

inline constexpr QRgb kLightYellow = qRgb(255, 255, 224);
inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);
inline constexpr QRgb kPaleGrey = qRgb(224, 224, 224);
inline constexpr QRgb kDarkOrange = qRgb(192, 64, 0);
inline constexpr QRgb kLineBlue = qRgb(0, 0, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

// An opaque background of `rgb` behind the widget and, unless they set
// their own, behind its children.
void FillBackground(QWidget* widget, QRgb rgb);
void SetTextColour(QWidget* widget, QRgb rgb);

}  // namespace flexoria::ui
