// sobre, the About window. At program start it is the one-second splash
// that opens the main window; later the menu opens it until "Vale".
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace flexoria::ui {

class Program;

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(Program& program);

  // Keeps the window open until the user closes it.
  void DisableTimer1();
  // Which animation frame, 1 to 3, the picture shows.
  int ShownFrame() const;

  // Event handlers, named after their control and event.
  void Timer1_Timer();
  void Timer2_Timer();
  void Command1_Click();
  void Image2_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanel();
  void BuildPictures();
  void Form_Load();
  void Form_Unload();

  Program& program_;
  QWidget* panel3d1_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* image3_ = nullptr;
  QLabel* image4_ = nullptr;
  QLabel* image5_ = nullptr;
  QPushButton* command1_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  bool informing_ = false;            // the information message is open
  bool close_when_informed_ = false;  // the splash ended meanwhile
};

}  // namespace flexoria::ui
