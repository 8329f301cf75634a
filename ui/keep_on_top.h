// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a window above all others, or releasing it.
#pragma once

class QWidget;

namespace flexoria::ui {

void SetKeepOnTop(QWidget* window, bool on_top);
bool IsKeptOnTop(const QWidget* window);

}  // namespace flexoria::ui
