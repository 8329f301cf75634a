// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keep_on_top.h"

#include <QWidget>

namespace flexoria::ui {

void SetKeepOnTop(QWidget* window, bool on_top) {
  if (IsKeptOnTop(window) == on_top) return;
  // Changing a window flag hides the window; bring it back as it was.
  const bool was_visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
  if (was_visible) window->show();
}

bool IsKeptOnTop(const QWidget* window) {
  return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace flexoria::ui
