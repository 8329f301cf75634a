// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "ui/about_window.h"
#include "ui/artwork.h"
#include "ui/colours.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/form_lookup_window.h"
#include "ui/full_table_window.h"
#include "ui/keep_on_top.h"
#include "ui/key_remap.h"
#include "ui/line_canvas.h"
#include "ui/object_names.h"
#include "ui/program.h"
#include "ui/result_description.h"
#include "ui/text_bridge.h"
#include "ui/twips.h"

namespace flexoria::ui {
namespace {

constexpr int kClientWidth = 9120;
constexpr int kClientHeight = 3825;
constexpr int kColumnsTop = 600;
constexpr int kStemColumnRight = 2730;
constexpr int kEndingColumnLeft = 2760;
constexpr int kBoxLineWidth = 3;

// The blue box round the result display, as (x1, y1) to (x2, y2).
constexpr QLine kResultBox[] = {
    {TwipPoint(240, 600), TwipPoint(4080, 600)},
    {TwipPoint(4080, 2880), TwipPoint(4080, 600)},
    {TwipPoint(240, 2880), TwipPoint(4080, 2880)},
    {TwipPoint(240, 2880), TwipPoint(240, 600)},
};

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                 Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFont(SansSerifFont(9.75));
  return button;
}

bool IsEnterKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

MainWindow::MainWindow(Program& program) : program_(program) {
  setObjectName(QLatin1String(names::kMainWindow));
  setWindowTitle(QStringLiteral("F  L  E  X  O  R  I  A"));
  setAccessibleName(QStringLiteral("Flexoria"));
  setWindowIcon(ProgramIcon());
  setFont(TimesFont(12));
  auto* client = new LineCanvas(this);
  client->setFixedSize(Px(kClientWidth), Px(kClientHeight));
  FillBackground(client, kLightYellow);
  setCentralWidget(client);
  BuildResultDisplay(client);
  options_ = BuildFormOptions(client);
  BuildEntry(client);
  BuildButtons(client);
  BuildMenus();
  SetKeyboardOrder();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  connect(qApp, &QApplication::focusChanged, this, &MainWindow::OnFocusChanged);
  StartAsDesigned();
}

MainWindow::~MainWindow() {
  // Deleting the controls moves the focus; this window is no longer there
  // to hear about it.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void MainWindow::BuildResultDisplay(LineCanvas* client) {
  tense_title_ = AddLabel(client, names::kTenseTitle, TwipRect(120, 120, 4095, 375), TimesFont(12),
                          Qt::AlignHCenter);
  FillBackground(tense_title_, kLightGrey);
  SetTextColour(tense_title_, kBlack);
  person_column_ = AddLabel(client, names::kPersonColumn, TwipRect(360, 600, 615, 2295), font(),
                            Qt::AlignHCenter);
  stem_column_ = AddLabel(client, names::kStemColumn, QRect(), TimesFont(12), Qt::AlignRight);
  ending_column_ = AddLabel(client, names::kEndingColumn, QRect(), TimesFont(12), Qt::AlignLeft);
  person_column_->setAccessibleName(QStringLiteral("Personas"));
  stem_column_->setAccessibleName(QStringLiteral("Raíces"));
  ending_column_->setAccessibleName(QStringLiteral("Terminaciones"));
  SetResultCells({});
  for (const QLine& line : kResultBox) client->AddLine({line, kLineBlue, kBoxLineWidth});
}

void MainWindow::BuildEntry(QWidget* client) {
  entry_ = new QLineEdit(client);
  entry_->setObjectName(QLatin1String(names::kEntry));
  entry_->setGeometry(TwipRect(720, 3000, 2775, 420));
  entry_->setFont(TimesFont(12));
  entry_->setAlignment(Qt::AlignCenter);
  entry_->setAccessibleName(QStringLiteral("Verbo"));
  entry_->hide();
  se_hint_ = AddLabel(client, names::kSeHint, TwipRect(720, 3480, 2775, 255), SansSerifFont(9.75),
                      Qt::AlignHCenter);
  se_hint_->setText(QStringLiteral("Borre el pronombre \"se\"."));
  se_hint_->hide();
}

void MainWindow::BuildButtons(QWidget* client) {
  conjugate_button_ = AddButton(client, names::kConjugateButton, QStringLiteral("Con&jugar"),
                                TwipRect(3960, 3120, 1095, 495));
  conjugate_button_->hide();
  start_button_ = AddButton(client, names::kStartButton, QStringLiteral("Comen&zar"),
                            TwipRect(5040, 3120, 1335, 495));
  exit_button_ = AddButton(client, names::kExitButton, QStringLiteral("Sa&lir"),
                           TwipRect(7920, 3120, 1095, 495));
  // A click on "Salir" must not take the focus from the entry box: that
  // would run a request, and perhaps show a message, before the exit.
  exit_button_->setFocusPolicy(Qt::TabFocus);
  connect(conjugate_button_, &QPushButton::clicked, this, &MainWindow::RunRequest);
  connect(exit_button_, &QPushButton::clicked, this, [this] { program_.Exit(); });
  connect(start_button_, &QPushButton::clicked, this, &MainWindow::RevealEntry);
  for (QRadioButton* option : options_.in_tab_order) {
    connect(option, &QRadioButton::clicked, this, &MainWindow::QueueEnterForPickedOption);
  }
}

void MainWindow::BuildMenus() {
  // The menus use the desktop's plain font, not the window's bold serif.
  QFont menu_font = QApplication::font();
  menu_font.setFamily(menu_font.family());
  menu_font.setBold(false);
  menuBar()->setFont(menu_font);
  QMenu* file_menu = menuBar()->addMenu(QStringLiteral("&Archivo"));
  file_menu->setObjectName(QLatin1String(names::kFileMenu));
  on_top_item_ = file_menu->addAction(QStringLiteral("On&Top"));
  on_top_item_->setObjectName(QLatin1String(names::kOnTopItem));
  on_top_item_->setCheckable(true);
  QAction* full_table_item = file_menu->addAction(QStringLiteral("&Tabla completa…"));
  full_table_item->setObjectName(QLatin1String(names::kFullTableItem));
  full_table_item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  QAction* lookup_item = file_menu->addAction(QStringLiteral("&Buscar una forma…"));
  lookup_item->setObjectName(QLatin1String(names::kLookupItem));
  lookup_item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  QMenu* help_menu = menuBar()->addMenu(QStringLiteral("Ayu&da"));
  help_menu->setObjectName(QLatin1String(names::kHelpMenu));
  QAction* howto_item = help_menu->addAction(QStringLiteral("&Cómo Usar"));
  howto_item->setObjectName(QLatin1String(names::kHowToItem));
  QAction* about_item = help_menu->addAction(QStringLiteral("&Acerca de Flexoria"));
  about_item->setObjectName(QLatin1String(names::kAboutItem));
  connect(on_top_item_, &QAction::triggered, this, &MainWindow::FollowOnTopCheckMark);
  connect(full_table_item, &QAction::triggered, this, &MainWindow::ShowFullTable);
  connect(lookup_item, &QAction::triggered, this, &MainWindow::ShowFormLookup);
  connect(howto_item, &QAction::triggered, this, &MainWindow::ShowHowTo);
  connect(about_item, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::SetKeyboardOrder() {
  std::vector<QWidget*> order{entry_};
  order.insert(order.end(), options_.in_tab_order.begin(), options_.in_tab_order.end());
  order.insert(order.end(), {conjugate_button_, exit_button_, start_button_});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // The window sees every key before the control that has the focus.
  for (QWidget* control : order) control->installEventFilter(this);
}

void MainWindow::StartAsDesigned() {
  on_top_item_->trigger();
  options_.group->button(1)->setChecked(true);
}

TextView MainWindow::EntryText() const {
  entry_text_ = ToText(entry_->text());
  return entry_text_;
}

int MainWindow::SelectedOption() const { return options_.group->checkedId(); }

void MainWindow::SetTenseTitle(TextView title) { tense_title_->setText(ToQString(title)); }

void MainWindow::SetPersonColumn(TextView persons) {
  person_column_->setText(ForDisplay(ToQString(persons)));
  DescribeResult();
}

void MainWindow::SetResultCells(const FormCells& cells) {
  // Both columns size themselves to their text; the stems keep their right
  // edge and the endings their left edge, so each stem meets its ending.
  stem_column_->setText(DisplayedColumn(cells.stems, cells.count));
  stem_column_->adjustSize();
  stem_column_->move(Px(kStemColumnRight) - stem_column_->width(), Px(kColumnsTop));
  ending_column_->setText(DisplayedColumn(cells.endings, cells.count));
  ending_column_->adjustSize();
  ending_column_->move(Px(kEndingColumnLeft), Px(kColumnsTop));
  shown_cells_.Keep(cells);
  DescribeResult();
}

void MainWindow::DescribeResult() {
  const QString read = PersonByPerson(person_column_->text(), shown_cells_);
  for (QLabel* column : {person_column_, stem_column_, ending_column_}) {
    column->setAccessibleDescription(read);
  }
}

void MainWindow::SetEndingColour(std::uint32_t rgb) { SetTextColour(ending_column_, QRgb{rgb}); }

void MainWindow::ShowMessage(TextView text, TextView title) {
  ShowModalMessage(this, ToQString(text), ToQString(title));
}

void MainWindow::RunRequest() {
  RunPendingLostFocus();
  // A request waits inside its message boxes, where queued events still
  // arrive; one that comes in meanwhile runs after it, never inside it.
  if (request_running_) {
    request_again_ = true;
    return;
  }
  request_running_ = true;
  do {
    request_again_ = false;
    session_.RunRequest(*this);
  } while (request_again_);
  request_running_ = false;
}

void MainWindow::RevealEntry() {
  entry_->show();
  conjugate_button_->show();
  entry_->setFocus(Qt::OtherFocusReason);
  start_button_->hide();
}

void MainWindow::ConjugateOnLeavingEntry() {
  // "Lavarse " asks for the hint as "lavarse" does: the request reads it so.
  Text read;
  ReadEntry(ToText(entry_->text()), read);
  const bool reflexive = EndsWith(read, U"se");
  if (reflexive) Beep();
  se_hint_->setVisible(reflexive);
  RunRequest();
}

void MainWindow::QueueEnterForPickedOption() {
  RunPendingLostFocus();
  // The queued Enter reaches the default button once the click is over, so
  // the display switches to the newly picked form. It goes to the focused
  // control, which is the picked option unless a message box has just
  // closed and the window has not got the focus back yet.
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != this) target = qobject_cast<QWidget*>(sender());
  if (target == nullptr) return;
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                    Qt::NoModifier, QStringLiteral("\r")));
}

void MainWindow::FollowOnTopCheckMark() {
  // The menu has already flipped the check mark; the window follows it.
  SetKeepOnTop(this, on_top_item_->isChecked());
}

void MainWindow::ShowHowTo() { program_.ShowHowToWindow(); }

void MainWindow::ShowFullTable() { program_.ShowFullTableWindow().OpenOn(entry_->text()); }

void MainWindow::ShowFormLookup() { program_.ShowFormLookupWindow(); }

void MainWindow::ShowAbout() { program_.ShowAboutWindow().StayUntilClosed(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && lost_focus_pending_) {
    // Once the release has been handled: a click handler may run it first.
    QTimer::singleShot(0, this, &MainWindow::RunPendingLostFocus);
  }
  if (event->type() == QEvent::KeyPress) RunPendingLostFocus();
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto& key = static_cast<QKeyEvent&>(*event);
  RescueFocusIfEntryEmpty(key);
  if (IsEnterKey(key)) return PressDefaultButton(watched);
  if (watched == entry_) return RemapTypedKey(key);
  return false;
}

void MainWindow::RescueFocusIfEntryEmpty(const QKeyEvent& key) {
  // Tab and Shift+Tab move between controls, and Enter goes to the default
  // button, before the window sees a key.
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || IsEnterKey(key)) return;
  // Before "Comenzar" the entry box is hidden and cannot take the focus.
  if (entry_->isVisible() && entry_->text().isEmpty()) entry_->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::RemapTypedKey(QKeyEvent& key) {
  // A key with Ctrl, Alt or Meta is a command, not a character typed.
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString typed = key.text();
  const QString remapped = RemapTypedText(typed);
  if (remapped == typed) return false;
  entry_->insert(remapped);
  return true;
}

bool MainWindow::PressDefaultButton(QObject* watched) {
  if (auto* button = qobject_cast<QPushButton*>(watched)) {
    button->click();
  } else if (conjugate_button_->isVisible()) {
    RunRequest();
  }
  return true;
}

void MainWindow::OnFocusChanged(QWidget* old_focus, QWidget* new_focus) {
  // Only a move to another control of this window counts as leaving the
  // entry box; a message box, a menu, another window or switching away from
  // the program takes the focus too, but must not run a request.
  if (new_focus == nullptr || new_focus->window() != this) return;
  // Alt, or a menu's access key, lends the focus to the menu bar; it comes
  // back when the menus close, and leaving the entry box means going on
  // from there to another control.
  if (new_focus == menuBar()) {
    menu_bar_holds_entry_focus_ = menu_bar_holds_entry_focus_ || old_focus == entry_;
    return;
  }
  const bool left_entry =
      old_focus == entry_ || (old_focus == menuBar() && menu_bar_holds_entry_focus_);
  menu_bar_holds_entry_focus_ = false;
  if (!left_entry || new_focus == entry_) return;
  lost_focus_pending_ = true;
  // A message box opened while a mouse button is down would swallow the
  // release, and with it the click that moved the focus: the request
  // waits until the click is over, and runs first thing in its handler.
  if (QApplication::mouseButtons() == Qt::NoButton) RunPendingLostFocus();
}

void MainWindow::RunPendingLostFocus() {
  if (!lost_focus_pending_) return;
  lost_focus_pending_ = false;
  ConjugateOnLeavingEntry();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  program_.Exit();
}

}  // namespace flexoria::ui
