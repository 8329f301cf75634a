// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the thirteen form options with their five group labels.
#pragma once

#include <QButtonGroup>
#include <QFrame>
#include <QRadioButton>
#include <vector>

namespace flexoria::ui {

struct FormOptions {
  QFrame* frame = nullptr;
  // Each option's id in the group is its number, 1 to 13.
  QButtonGroup* group = nullptr;
  // In keyboard order, the order of the table of forms.
  std::vector<QRadioButton*> in_tab_order;
};

FormOptions BuildFormOptions(QWidget* parent);

}  // namespace flexoria::ui
