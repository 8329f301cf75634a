#include "ui/program.h"

#include <QApplication>

#include "ui/about_window.h"
#include "ui/desktop.h"
#include "ui/howto_window.h"
#include "ui/main_window.h"

namespace flexoria::ui {

Program::Program() = default;

Program::~Program() {
  delete about_window_;
  delete howto_window_;
}

AboutWindow* Program::about_window() const { return about_window_; }

HowToWindow* Program::howto_window() const { return howto_window_; }

void Program::Start() { ShowAboutWindow(); }

MainWindow& Program::ShowMainWindow() {
  if (!main_window_) main_window_ = std::make_unique<MainWindow>(*this);
  main_window_->show();
  return *main_window_;
}

AboutWindow& Program::ShowAboutWindow() {
  if (!about_window_) about_window_ = new AboutWindow(*this);
  about_window_->show();
  about_window_->raise();
  return *about_window_;
}

HowToWindow& Program::ShowHowToWindow() {
  if (!howto_window_) howto_window_ = new HowToWindow();
  howto_window_->show();
  howto_window_->raise();
  return *howto_window_;
}

void Program::Exit() {
  if (exiting_) return;
  exiting_ = true;
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QuitProgram();
}

}  // namespace flexoria::ui
