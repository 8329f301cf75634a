// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include <QApplication>

#include "ui/about_window.h"
#include "ui/desktop.h"
#include "ui/form_lookup_window.h"
#include "ui/full_table_window.h"
#include "ui/howto_window.h"
#include "ui/keep_on_top.h"
#include "ui/main_window.h"

namespace flexoria::ui {

Program::Program() = default;

Program::~Program() {
  delete about_window_;
  delete howto_window_;
  delete full_table_window_;
  delete form_lookup_window_;
}

AboutWindow* Program::about_window() const { return about_window_; }

HowToWindow* Program::howto_window() const { return howto_window_; }

FullTableWindow* Program::full_table_window() const { return full_table_window_; }

FormLookupWindow* Program::form_lookup_window() const { return form_lookup_window_; }

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

FullTableWindow& Program::ShowFullTableWindow() {
  if (!full_table_window_) full_table_window_ = new FullTableWindow();
  FollowMainWindowOnTop(*full_table_window_);
  full_table_window_->show();
  full_table_window_->raise();
  full_table_window_->activateWindow();
  return *full_table_window_;
}

FormLookupWindow& Program::ShowFormLookupWindow() {
  if (!form_lookup_window_) {
    form_lookup_window_ = new FormLookupWindow();
    form_lookup_window_->open_reading = [this](const LookupReading& reading) {
      ShowFullTableWindow().ShowVerbAt(reading.infinitive, reading.person == QStringLiteral("vos"),
                                       reading.form_name, reading.person);
    };
  }
  FollowMainWindowOnTop(*form_lookup_window_);
  form_lookup_window_->show();
  form_lookup_window_->raise();
  form_lookup_window_->activateWindow();
  return *form_lookup_window_;
}

void Program::FollowMainWindowOnTop(QWidget& window) const {
  // Opened from a window kept above the others, it must not open behind it.
  if (main_window_) SetKeepOnTop(&window, IsKeptOnTop(main_window_.get()));
}

void Program::Exit() {
  if (exiting_) return;
  exiting_ = true;
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QuitProgram();
}

}  // namespace flexoria::ui
