// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notice_label.h"

namespace flexoria::ui {

QLabel* MakeNoticeLabel(const char* object_name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(object_name));
  label->setAccessibleName(QStringLiteral("Aviso"));
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  // One line tall even when empty, so the window does not jump when a notice comes.
  label->setMinimumHeight(label->fontMetrics().height());
  return label;
}

}  // namespace flexoria::ui
