// SPDX-License-Identifier: GPL-3.0-or-later
// sobre, the About window. At program start it is the one-second splash
// that opens the main window; later the menu opens it until "Vale".
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace flexoria::ui {

class Program;

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(Program& program);

  // Keeps the window open until the user closes it: it is no splash.
  void StayUntilClosed();
  // Which animation frame, 1 to 3, the picture shows.
  int ShownFrame() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void EndSplash();
  void ShowNextFrame();
  void ShowInformation();

 private:
  void BuildPanel();
  void BuildPictures();
  void ShowCentredOnTop();
  void StopOnClosing();

  Program& program_;
  QWidget* panel_ = nullptr;
  QLabel* animation_ = nullptr;
  std::array<QLabel*, 3> frames_{};
  QPushButton* ok_button_ = nullptr;
  QTimer* splash_timer_ = nullptr;
  QTimer* animation_timer_ = nullptr;
  bool informing_ = false;            // the information message is open
  bool close_when_informed_ = false;  // the splash ended meanwhile
};

}  // namespace flexoria::ui
