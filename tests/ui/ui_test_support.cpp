// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_test_support.h"

#include <QPushButton>

namespace flexoria::ui::testing {

void ProgramTest::init() {
  desktop_ = std::make_unique<DesktopRecorder>();
  program_ = std::make_unique<Program>();
}

void ProgramTest::cleanup() {
  program_.reset();
  desktop_.reset();
}

DesktopRecorder::DesktopRecorder() : saved_(Desktop()) {
  Desktop().show_message = [this](QWidget*, const QString& text, const QString& title,
                                  MessageIcon icon) {
    messages.push_back({text, title, icon});
  };
  Desktop().beep = [this] { ++beeps; };
  Desktop().quit = [this] { ++quits; };
}

DesktopRecorder::~DesktopRecorder() { Desktop() = saved_; }

QStringList DesktopRecorder::Texts() const {
  QStringList texts;
  for (const ShownMessage& message : messages) texts.append(message.text);
  return texts;
}

MainWindow& StartedMainWindow(Program& program) {
  MainWindow& window = program.ShowMainWindow();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window did not become active");
  Child<QPushButton>(&window, names::kStartButton)->click();
  return window;
}

void PressTab(QWidget* from) { QTest::keyClick(from, Qt::Key_Tab); }

QWidget* NextTabStop(QWidget* control) {
  QWidget* next = control->nextInFocusChain();
  while (next != control && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

}  // namespace flexoria::ui::testing
