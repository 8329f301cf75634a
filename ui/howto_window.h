// SPDX-License-Identifier: GPL-3.0-or-later
// Como, the How-to window: three Spanish help texts, not modal.
#pragma once

#include <QWidget>
#include <array>

class QPlainTextEdit;

namespace flexoria::ui {

class HowToWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HowToWindow(QWidget* parent = nullptr);

  // The help boxes: 0 about the program, 1 on its use, 2 on the accents.
  QPlainTextEdit* HelpBox(int index) const {
    return help_boxes_.at(static_cast<std::size_t>(index));
  }

 private:
  void FillHelpTexts();

  std::array<QPlainTextEdit*, 3> help_boxes_{};
};

}  // namespace flexoria::ui
