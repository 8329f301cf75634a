// SPDX-License-Identifier: GPL-3.0-or-later
// The running program: which windows exist, the start-up splash and the end.
#pragma once

#include <QPointer>
#include <memory>

class QWidget;

namespace flexoria::ui {

class AboutWindow;
class FormLookupWindow;
class FullTableWindow;
class HowToWindow;
class MainWindow;

class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the About window as the one-second splash; it opens the main window.
  void Start();

  // Each shows its window, creating it when it does not exist.
  MainWindow& ShowMainWindow();
  AboutWindow& ShowAboutWindow();
  HowToWindow& ShowHowToWindow();
  FullTableWindow& ShowFullTableWindow();
  FormLookupWindow& ShowFormLookupWindow();

  // Ends the program at once, closing every window.
  void Exit();

  // Set when the About window closes for the first time, at the end of the
  // splash; it tells a later About window that it is no splash.
  bool splash_done() const { return splash_done_; }
  void MarkSplashDone() { splash_done_ = true; }

  MainWindow* main_window() const { return main_window_.get(); }
  AboutWindow* about_window() const;
  HowToWindow* howto_window() const;
  FullTableWindow* full_table_window() const;
  FormLookupWindow* form_lookup_window() const;

 private:
  void FollowMainWindowOnTop(QWidget& window) const;

  std::unique_ptr<MainWindow> main_window_;
  QPointer<AboutWindow> about_window_;
  QPointer<HowToWindow> howto_window_;
  // Kept when closed, so that they open again at once.
  QPointer<FullTableWindow> full_table_window_;
  QPointer<FormLookupWindow> form_lookup_window_;
  bool splash_done_ = false;
  bool exiting_ = false;
};

}  // namespace flexoria::ui
