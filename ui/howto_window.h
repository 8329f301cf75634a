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

  // The help boxes, the control array Text1 with indexes 0 to 2.
  QPlainTextEdit* Text1(int index) const { return text1_.at(static_cast<std::size_t>(index)); }

  void Command1_Click();

 private:
  void Form_Load();

  std::array<QPlainTextEdit*, 3> text1_{};
};

}  // namespace flexoria::ui
