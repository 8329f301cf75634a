// Form1, the working window: the entry box, the thirteen form options, the
// result display and the menus. It owns the conjugation session and is the
// window its requests read from and show in.
#pragma once

#include <QMainWindow>

#include "engine/conjugation_session.h"
#include "engine/request_ui.h"
#include "ui/form_options.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace flexoria::ui {

class LineCanvas;
class Program;

class MainWindow : public QMainWindow, public RequestUi {
  Q_OBJECT

 public:
  explicit MainWindow(Program& program);
  ~MainWindow() override;

  // RequestUi: what a conjugation request reads and shows.
  TextView EntryText() const override;
  int SelectedOption() const override;
  void SetTenseTitle(TextView title) override;
  void SetPersonColumn(TextView persons) override;
  void SetResultCells(const FormCells& cells) override;
  void SetEndingColour(std::uint32_t rgb) override;
  void ShowMessage(TextView text, TextView title) override;

  const ConjugationSession& session() const { return session_; }

  // Event handlers, named after their control and event.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Text1_LostFocus();
  void Option3D_Click();
  void mnuontop_Click();
  void mnucomo_Click();
  void acerca_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildResultDisplay(LineCanvas* client);
  void BuildEntry(QWidget* client);
  void BuildButtons(QWidget* client);
  void BuildMenus();
  void SetKeyboardOrder();
  void Form_Load();
  void Form_KeyDown(const QKeyEvent& key);
  bool Text1_KeyPress(QKeyEvent& key);
  bool PressDefaultButton(QObject* watched);
  void OnFocusChanged(QWidget* old_focus, QWidget* new_focus);
  void RunPendingLostFocus();

  Program& program_;
  ConjugationSession session_;
  mutable Text entry_text_;
  // The entry box lost the focus to a mouse press; its request runs once
  // the click is over.
  bool lost_focus_pending_ = false;
  bool request_running_ = false;
  bool request_again_ = false;  // asked for while one was running

  QLabel* label10_ = nullptr;  // tense title
  QLabel* label9_ = nullptr;   // person column
  QLabel* label1_ = nullptr;   // stem column
  QLabel* label4_ = nullptr;   // ending column
  QLabel* label8_ = nullptr;   // the "se" hint
  QLineEdit* text1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  FormOptions options_;
  QAction* mnuontop_ = nullptr;
  QAction* mnucomo_ = nullptr;
  QAction* acerca_ = nullptr;
};

}  // namespace flexoria::ui
