// SPDX-License-Identifier: GPL-3.0-or-later
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void RunRequest();
  void RevealEntry();
  void QueueEnterForPickedOption();
  void FollowOnTopCheckMark();
  void ShowHowTo();
  void ShowFullTable();
  void ShowFormLookup();
  void ShowAbout();

 private:
  void BuildResultDisplay(LineCanvas* client);
  void BuildEntry(QWidget* client);
  void BuildButtons(QWidget* client);
  void BuildMenus();
  void SetKeyboardOrder();
  void StartAsDesigned();
  void RescueFocusIfEntryEmpty(const QKeyEvent& key);
  bool RemapTypedKey(QKeyEvent& key);
  bool PressDefaultButton(QObject* watched);
  void OnFocusChanged(QWidget* old_focus, QWidget* new_focus);
  void RunPendingLostFocus();
  void ConjugateOnLeavingEntry();
  void DescribeResult();

  Program& program_;
  ConjugationSession session_;
  mutable Text entry_text_;
  KeptCells shown_cells_;  // for the description, which is made again later
  // The entry box lost the focus to a mouse press; its request runs once
  // the click is over.
  bool lost_focus_pending_ = false;
  // The menu bar, worked by keyboard, holds the focus that the entry box
  // had; it gives it back when its menus close.
  bool menu_bar_holds_entry_focus_ = false;
  bool request_running_ = false;
  bool request_again_ = false;  // asked for while one was running

  QLabel* tense_title_ = nullptr;
  QLabel* person_column_ = nullptr;
  QLabel* stem_column_ = nullptr;
  QLabel* ending_column_ = nullptr;
  QLabel* se_hint_ = nullptr;
  QLineEdit* entry_ = nullptr;
  QPushButton* conjugate_button_ = nullptr;
  QPushButton* exit_button_ = nullptr;
  QPushButton* start_button_ = nullptr;
  FormOptions options_;
  QAction* on_top_item_ = nullptr;
};

}  // namespace flexoria::ui
