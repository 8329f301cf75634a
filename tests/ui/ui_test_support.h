// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the window tests: a desktop that records instead of
// blocking, a started main window, and the test program's main().
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/object_names.h"
#include "ui/program.h"

namespace flexoria::ui::testing {

struct ShownMessage {
  QString text;
  QString title;
  MessageIcon icon;
};

// Replaces the desktop hooks for its lifetime: messages, beeps and the end
// of the program are counted, and nothing blocks.
class DesktopRecorder {
 public:
  DesktopRecorder();
  ~DesktopRecorder();
  DesktopRecorder(const DesktopRecorder&) = delete;
  DesktopRecorder& operator=(const DesktopRecorder&) = delete;

  std::vector<ShownMessage> messages;
  int beeps = 0;
  int quits = 0;

  QStringList Texts() const;

 private:
  DesktopHooks saved_;
};

// A test class whose every test function starts a new program, with a
// desktop that records instead of blocking.
class ProgramTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<DesktopRecorder> desktop_;
  std::unique_ptr<Program> program_;

 protected slots:
  void init();
  void cleanup();
};

// The main window shown, active, and past "Comenzar".
MainWindow& StartedMainWindow(Program& program);

template <typename T>
T* Child(QObject* parent, const QString& name) {
  return parent->findChild<T*>(name);
}

// Moves the keyboard focus the way Tab does.
void PressTab(QWidget* from);

// The control after `control` in the keyboard order.
QWidget* NextTabStop(QWidget* control);

}  // namespace flexoria::ui::testing

// Runs one test class with the program's style and fonts.
#define FLEXORIA_UI_TEST_MAIN(TestClass)              \
  int main(int argc, char* argv[]) {                  \
    QApplication application(argc, argv);             \
    QApplication::setStyle(QStringLiteral("Fusion")); \
    flexoria::ui::InstallFontSubstitutes();           \
    TestClass test;                                   \
    return QTest::qExec(&test, argc, argv);           \
  }
