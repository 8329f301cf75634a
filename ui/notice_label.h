// SPDX-License-Identifier: GPL-3.0-or-later
// The notice line of the full table and the form lookup: rich text whose
// links ("¿Quiso decir …?") are reached by Tab and opened by Enter.
#pragma once

#include <QLabel>
#include <QWidget>

namespace flexoria::ui {

QLabel* MakeNoticeLabel(const char* object_name, QWidget* parent);

}  // namespace flexoria::ui
