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
#include "ui/keep_on_top.h"
#include "ui/key_remap.h"
#include "ui/line_canvas.h"
#include "ui/program.h"
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
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("F  L  E  X  O  R  I  A"));
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
  Form_Load();
}

MainWindow::~MainWindow() {
  // Deleting the controls moves the focus; this window is no longer there
  // to hear about it.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void MainWindow::BuildResultDisplay(LineCanvas* client) {
  label10_ =
      AddLabel(client, "Label10", TwipRect(120, 120, 4095, 375), TimesFont(12), Qt::AlignHCenter);
  FillBackground(label10_, kLightGrey);
  SetTextColour(label10_, kBlack);
  label9_ = AddLabel(client, "Label9", TwipRect(360, 600, 615, 2295), font(), Qt::AlignHCenter);
  label1_ = AddLabel(client, "Label1", QRect(), TimesFont(12), Qt::AlignRight);
  label4_ = AddLabel(client, "Label4", QRect(), TimesFont(12), Qt::AlignLeft);
  SetResultCells({});
  for (const QLine& line : kResultBox) client->AddLine({line, kLineBlue, kBoxLineWidth});
}

void MainWindow::BuildEntry(QWidget* client) {
  text1_ = new QLineEdit(client);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setGeometry(TwipRect(720, 3000, 2775, 420));
  text1_->setFont(TimesFont(12));
  text1_->setAlignment(Qt::AlignCenter);
  text1_->hide();
  label8_ = AddLabel(client, "Label8", TwipRect(720, 3480, 2775, 255), SansSerifFont(9.75),
                     Qt::AlignHCenter);
  label8_->setText(QStringLiteral("Borre el pronombre \"se\"."));
  label8_->hide();
}

void MainWindow::BuildButtons(QWidget* client) {
  command1_ =
      AddButton(client, "Command1", QStringLiteral("Con&jugar"), TwipRect(3960, 3120, 1095, 495));
  command1_->hide();
  command3_ =
      AddButton(client, "Command3", QStringLiteral("Comen&zar"), TwipRect(5040, 3120, 1335, 495));
  command2_ =
      AddButton(client, "Command2", QStringLiteral("Sa&lir"), TwipRect(7920, 3120, 1095, 495));
  // A click on "Salir" must not take the focus from the entry box: that
  // would run a request, and perhaps show a message, before the exit.
  command2_->setFocusPolicy(Qt::TabFocus);
  connect(command1_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
  connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
  connect(command3_, &QPushButton::clicked, this, &MainWindow::Command3_Click);
  for (QRadioButton* option : options_.in_tab_order) {
    connect(option, &QRadioButton::clicked, this, &MainWindow::Option3D_Click);
  }
}

void MainWindow::BuildMenus() {
  // The menus use the desktop's plain font, not the window's bold serif.
  QFont menu_font = QApplication::font();
  menu_font.setFamily(menu_font.family());
  menu_font.setBold(false);
  menuBar()->setFont(menu_font);
  QMenu* file_menu = menuBar()->addMenu(QStringLiteral("&Archivo"));
  file_menu->setObjectName(QStringLiteral("mnuFile"));
  mnuontop_ = file_menu->addAction(QStringLiteral("On&Top"));
  mnuontop_->setObjectName(QStringLiteral("mnuontop"));
  mnuontop_->setCheckable(true);
  QMenu* help_menu = menuBar()->addMenu(QStringLiteral("Ayu&da"));
  help_menu->setObjectName(QStringLiteral("mnuAyuda"));
  mnucomo_ = help_menu->addAction(QStringLiteral("&Cómo Usar"));
  mnucomo_->setObjectName(QStringLiteral("mnucomo"));
  acerca_ = help_menu->addAction(QStringLiteral("&Acerca de Flexoria"));
  acerca_->setObjectName(QStringLiteral("acerca"));
  connect(mnuontop_, &QAction::triggered, this, &MainWindow::mnuontop_Click);
  connect(mnucomo_, &QAction::triggered, this, &MainWindow::mnucomo_Click);
  connect(acerca_, &QAction::triggered, this, &MainWindow::acerca_Click);
}

void MainWindow::SetKeyboardOrder() {
  std::vector<QWidget*> order{text1_};
  order.insert(order.end(), options_.in_tab_order.begin(), options_.in_tab_order.end());
  order.insert(order.end(), {command1_, command2_, command3_});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // The window sees every key before the control that has the focus.
  for (QWidget* control : order) control->installEventFilter(this);
}

void MainWindow::Form_Load() {
  mnuontop_->trigger();
  options_.group->button(1)->setChecked(true);
}

TextView MainWindow::EntryText() const {
  entry_text_ = ToText(text1_->text());
  return entry_text_;
}

int MainWindow::SelectedOption() const { return options_.group->checkedId(); }

void MainWindow::SetTenseTitle(TextView title) { label10_->setText(ToQString(title)); }

void MainWindow::SetPersonColumn(TextView persons) {
  label9_->setText(ForDisplay(ToQString(persons)));
}

void MainWindow::SetResultCells(const FormCells& cells) {
  // Both columns size themselves to their text; the stems keep their right
  // edge and the endings their left edge, so each stem meets its ending.
  label1_->setText(DisplayedColumn(cells.stems, cells.count));
  label1_->adjustSize();
  label1_->move(Px(kStemColumnRight) - label1_->width(), Px(kColumnsTop));
  label4_->setText(DisplayedColumn(cells.endings, cells.count));
  label4_->adjustSize();
  label4_->move(Px(kEndingColumnLeft), Px(kColumnsTop));
}

void MainWindow::SetEndingColour(std::uint32_t rgb) { SetTextColour(label4_, QRgb{rgb}); }

void MainWindow::ShowMessage(TextView text, TextView title) {
  ShowModalMessage(this, ToQString(text), ToQString(title));
}

void MainWindow::Command1_Click() {
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

void MainWindow::Command2_Click() { program_.Exit(); }

void MainWindow::Command3_Click() {
  text1_->show();
  command1_->show();
  text1_->setFocus(Qt::OtherFocusReason);
  command3_->hide();
}

void MainWindow::Text1_LostFocus() {
  const bool reflexive = text1_->text().endsWith(QStringLiteral("se"));
  if (reflexive) Beep();
  label8_->setVisible(reflexive);
  Command1_Click();
}

void MainWindow::Option3D_Click() {
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

void MainWindow::mnuontop_Click() {
  // The menu has already flipped the check mark; the window follows it.
  SetKeepOnTop(this, mnuontop_->isChecked());
}

void MainWindow::mnucomo_Click() { program_.ShowHowToWindow(); }

void MainWindow::acerca_Click() { program_.ShowAboutWindow().DisableTimer1(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && lost_focus_pending_) {
    // Once the release has been handled: a click handler may run it first.
    QTimer::singleShot(0, this, &MainWindow::RunPendingLostFocus);
  }
  if (event->type() == QEvent::KeyPress) RunPendingLostFocus();
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto& key = static_cast<QKeyEvent&>(*event);
  Form_KeyDown(key);
  if (IsEnterKey(key)) return PressDefaultButton(watched);
  if (watched == text1_) return Text1_KeyPress(key);
  return false;
}

void MainWindow::Form_KeyDown(const QKeyEvent& key) {
  // Tab and Shift+Tab move between controls, and Enter goes to the default
  // button, before the window sees a key.
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || IsEnterKey(key)) return;
  // Before "Comenzar" the entry box is hidden and cannot take the focus.
  if (text1_->isVisible() && text1_->text().isEmpty()) text1_->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::Text1_KeyPress(QKeyEvent& key) {
  // A key with Ctrl, Alt or Meta is a command, not a character typed.
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString typed = key.text();
  const QString remapped = RemapTypedText(typed);
  if (remapped == typed) return false;
  text1_->insert(remapped);
  return true;
}

bool MainWindow::PressDefaultButton(QObject* watched) {
  if (auto* button = qobject_cast<QPushButton*>(watched)) {
    button->click();
  } else if (command1_->isVisible()) {
    Command1_Click();
  }
  return true;
}

void MainWindow::OnFocusChanged(QWidget* old_focus, QWidget* new_focus) {
  // Only a move to another control of this window counts as leaving the
  // entry box; a message box, a menu, another window or switching away from
  // the program takes the focus too, but must not run a request.
  if (old_focus == text1_ && new_focus != nullptr && new_focus->window() == this) {
    lost_focus_pending_ = true;
    // A message box opened while a mouse button is down would swallow the
    // release, and with it the click that moved the focus: the request
    // waits until the click is over, and runs first thing in its handler.
    if (QApplication::mouseButtons() == Qt::NoButton) RunPendingLostFocus();
  }
}

void MainWindow::RunPendingLostFocus() {
  if (!lost_focus_pending_) return;
  lost_focus_pending_ = false;
  Text1_LostFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  program_.Exit();
}

}  // namespace flexoria::ui
