// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures, drawn in code so that they stay sharp and need no
// image files: the program icon, the information icon and the three frames
// of the About window's animation (an open book turning a page).
#pragma once

#include <QIcon>
#include <QPixmap>

namespace flexoria::ui {

inline constexpr int kAnimationFrames = 3;

QIcon ProgramIcon();
// A 32 x 32 icon, drawn at twice that resolution.
QPixmap InformationIcon();
// Frames 1 to 3, all of the same size.
QPixmap AnimationFrame(int frame);

}  // namespace flexoria::ui
