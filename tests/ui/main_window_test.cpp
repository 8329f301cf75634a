// The main window over the real widgets: start state, entry and remapped
// keys, the requests that Enter, focus loss and the options set off, the
// menus and the exit.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/howto_window.h"
#include "ui/keep_on_top.h"

namespace flexoria::ui::testing {

class MainWindowTest : public ProgramTest {
  Q_OBJECT

 private:
  QLineEdit* Entry() { return Child<QLineEdit>(program_->main_window(), "Text1"); }
  QString LabelText(const char* name) {
    return Child<QLabel>(program_->main_window(), name)->text();
  }
  QRadioButton* Option(int number) {
    return Child<QRadioButton>(program_->main_window(),
                               QStringLiteral("Option3D%1").arg(number).toLatin1().constData());
  }

 private slots:
  void startsWithOnlyComenzarAndSalirOnTopWithPresente() {
    MainWindow& window = program_->ShowMainWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("F  L  E  X  O  R  I  A"));
    QVERIFY(Child<QPushButton>(&window, "Command3")->isVisible());
    QVERIFY(Child<QPushButton>(&window, "Command2")->isVisible());
    QVERIFY(!Child<QPushButton>(&window, "Command1")->isVisible());
    QVERIFY(!Entry()->isVisible());
    QVERIFY(!Child<QLabel>(&window, "Label8")->isVisible());
    QVERIFY(Option(1)->isChecked());
    QCOMPARE(window.SelectedOption(), 1);
    QVERIFY(IsKeptOnTop(&window));
    QVERIFY(Child<QAction>(&window, "mnuontop")->isChecked());
    QCOMPARE(window.centralWidget()->size(), QSize(608, 255));
    QCOMPARE(LabelText("Label10"), QString());
  }

  void keyBeforeComenzarRaisesNothing() {
    MainWindow& window = program_->ShowMainWindow();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Option(4)->setFocus();
    QTest::keyClick(Option(4), Qt::Key_A);
    QTest::keyClick(Option(4), Qt::Key_Return);
    QVERIFY(desktop_->messages.empty());
    QVERIFY(!Entry()->isVisible());
  }

  void comenzarRevealsTheEntryForGood() {
    MainWindow& window = StartedMainWindow(*program_);
    QVERIFY(Entry()->isVisible());
    QVERIFY(Child<QPushButton>(&window, "Command1")->isVisible());
    QVERIFY(!Child<QPushButton>(&window, "Command3")->isVisible());
    QCOMPARE(QApplication::focusWidget(), Entry());
  }

  void sixKeysTypeSpanishLettersAtTheCaret() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral(";'[/"));
    QCOMPARE(Entry()->text(), QStringLiteral("éáñú"));
    Entry()->clear();
    QTest::keyClicks(Entry(), QStringLiteral("`\\@#"));
    QCOMPARE(Entry()->text(), QStringLiteral("íó@#"));
    Entry()->setText(QStringLiteral("tner"));
    Entry()->setCursorPosition(1);
    QTest::keyClick(Entry(), ';');
    QCOMPARE(Entry()->text(), QStringLiteral("téner"));
    Entry()->clear();
    QApplication::clipboard()->setText(QStringLiteral("a'[r"));
    Entry()->paste();
    QCOMPARE(Entry()->text(), QStringLiteral("a'[r"));
  }

  void enterConjugatesTenerWithRedEndings() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("tener"));
    QTest::keyClick(Entry(), Qt::Key_Return);
    QCOMPARE(desktop_->Texts(), QStringList());
    QCOMPARE(LabelText("Label10"), QStringLiteral("Presente de Indicativo"));
    QCOMPARE(LabelText("Label9"), QStringLiteral("\n1\n2\n3\n1 1\n2 2\n3 3"));
    QCOMPARE(LabelText("Label1"), QStringLiteral("\nteng\ntien\ntien\nten\nten\ntien"));
    QCOMPARE(LabelText("Label4"), QStringLiteral("\no\nes\ne\nemos\néis\nen"));
    auto* endings = Child<QLabel>(program_->main_window(), "Label4");
    QCOMPARE(endings->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Each stem ends just before its ending begins.
    auto* stems = Child<QLabel>(program_->main_window(), "Label1");
    QCOMPARE(stems->geometry().right() + 1, 182);
    QCOMPARE(endings->x(), 184);
    QCOMPARE(stems->y(), endings->y());
  }

  // Whatever reaches the entry box, by typing or pasting, a request answers
  // with the window's own message or a result, and the window stays usable.
  void oddEntriesGetTheWindowsOwnAnswer() {
    StartedMainWindow(*program_);
    const QString odd[] = {
        QString(QChar(0)) + QStringLiteral("ar"),  // a NUL character before the ending
        QStringLiteral("\x01\x1b[31mar"),          // control characters
        QString(100000, QLatin1Char('a')),         // longer than the box holds
        QString(100000, QLatin1Char('b')) + QStringLiteral("ar"),
        QStringLiteral("ab\u00A0"),  // a no-break space is no blank
    };
    for (const QString& text : odd) {
      desktop_->messages.clear();
      Entry()->setText(text);
      QTest::keyClick(Entry(), Qt::Key_Return);
      QVERIFY(!desktop_->messages.empty() || !LabelText("Label1").isEmpty());
    }
    desktop_->messages.clear();
    Entry()->setText(QStringLiteral("tener"));
    QTest::keyClick(Entry(), Qt::Key_Return);
    QCOMPARE(desktop_->Texts(), QStringList());
    QCOMPARE(LabelText("Label1"), QStringLiteral("\nteng\ntien\ntien\nten\nten\ntien"));
  }

  void leavingTheEntryWarnsAboutSeThenConjugates() {
    MainWindow& window = StartedMainWindow(*program_);
    auto* hint = Child<QLabel>(&window, "Label8");
    QTest::keyClicks(Entry(), QStringLiteral("lavarse"));
    PressTab(Entry());
    QCOMPARE(QApplication::focusWidget(), Option(1));
    QCOMPARE(desktop_->beeps, 1);
    QVERIFY(hint->isVisible());
    QCOMPARE(desktop_->messages.size(), std::size_t{1});
    QCOMPARE(desktop_->messages[0].text, QStringLiteral("Borre el pronombre \"se\"."));
    QCOMPARE(desktop_->messages[0].title, QStringLiteral("Flexoria"));
    QCOMPARE(desktop_->messages[0].icon, MessageIcon::kNone);

    Entry()->setFocus();
    Entry()->setText(QStringLiteral("lavar"));
    PressTab(Entry());
    QVERIFY(!hint->isVisible());
    QCOMPARE(desktop_->beeps, 1);
    QCOMPARE(LabelText("Label10"), QStringLiteral("Presente de Indicativo"));
    QVERIFY(!desktop_->Texts().contains(QStringLiteral("Éste no es un infinitivo.")));

    Entry()->setFocus();
    Entry()->clear();
    QTest::keyClick(Entry(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(desktop_->messages.back().text, QStringLiteral("Éste no es un infinitivo."));
  }

  void pickingAnOptionShowsItsFormAtOnce() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("amar"));
    QTest::mouseClick(Option(2), Qt::LeftButton);
    QVERIFY(Option(2)->isChecked());
    QTRY_COMPARE(LabelText("Label10"), QStringLiteral("Perfecto simple de Indicativo"));
    QCOMPARE(LabelText("Label1"), QStringLiteral("\nam\nam\nam\nam\nam\nam"));

    QTest::keyClick(&window, Qt::Key_1, Qt::AltModifier);
    QTRY_COMPARE(LabelText("Label10"), QStringLiteral("Imperfecto I. de subjuntivo"));
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(LabelText("Label10"), QStringLiteral("Gerundio"));
    QCOMPARE(LabelText("Label9"), QString());
    QCOMPARE(window.SelectedOption(), 12);
  }

  void anOptionPickedFromTheEntryRunsTwoRequests() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("nevar"));
    QTest::mouseClick(Option(4), Qt::LeftButton);
    // Leaving the entry runs one request once the click is over, the queued
    // Enter another; "nevar" announces its restricted use on each.
    QTRY_COMPARE(desktop_->messages.size(), 2u);
    QCOMPARE(LabelText("Label10"), QStringLiteral("Futuro de indicativo"));
    QCOMPARE(desktop_->Texts(),
             QStringList(2, QStringLiteral("Este verbo sólo se usa en la tercera persona de "
                                           "singular.")));
  }

  // A message box opened while the mouse button is still down would take
  // the release, and the click with it: the request waits for the release.
  void leavingTheEntryByMouseWaitsForTheRelease() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("nevar"));
    QTest::mousePress(Option(4), Qt::LeftButton);
    QVERIFY(desktop_->messages.empty());
    QTest::mouseRelease(Option(4), Qt::LeftButton);
    QCOMPARE(desktop_->messages.size(), 1u);
    QVERIFY(Option(4)->isChecked());
    QTRY_COMPARE(desktop_->messages.size(), 2u);
    QCOMPARE(LabelText("Label10"), QStringLiteral("Futuro de indicativo"));
  }

  // A request asked for while another waits in its message runs after it.
  void requestsNeverRunInsideOneAnother() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("nevar"));
    int depth = 0;
    int messages = 0;
    Desktop().show_message = [&](QWidget*, const QString&, const QString&, MessageIcon) {
      QCOMPARE(++depth, 1);
      if (++messages == 1) window.Command1_Click();
      --depth;
    };
    window.Command1_Click();
    QCOMPARE(messages, 2);
  }

  // With Ctrl, Alt or Meta a key is a command, never a remapped letter.
  void keysWithModifiersAreNotRemapped() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("ab"));
    QTest::keyClick(Entry(), ';', Qt::ControlModifier);
    QTest::keyClick(Entry(), '\'', Qt::ControlModifier);
    QCOMPARE(Entry()->text(), QStringLiteral("ab"));
  }

  void enterOnAnOptionConjugatesAndOnAButtonPressesIt() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("amar"));
    Option(9)->setFocus();
    Option(9)->setChecked(true);
    QTest::keyClick(Option(9), Qt::Key_Return);
    QCOMPARE(LabelText("Label10"), QStringLiteral("Condicional"));
    auto* salir = Child<QPushButton>(program_->main_window(), "Command2");
    salir->setFocus(Qt::TabFocusReason);
    QTest::keyClick(salir, Qt::Key_Return);
    QCOMPARE(desktop_->quits, 1);
  }

  void aKeyOnAnOptionWithAnEmptyEntryRescuesTheFocus() {
    StartedMainWindow(*program_);
    Option(5)->setFocus();
    desktop_->messages.clear();  // leaving the empty entry refused it
    QTest::keyClick(Option(5), Qt::Key_A);
    QCOMPARE(QApplication::focusWidget(), Entry());
    QVERIFY(desktop_->messages.empty());
    Entry()->setText(QStringLiteral("amar"));
    Option(5)->setFocus();
    desktop_->messages.clear();
    QTest::keyClick(Option(5), Qt::Key_A);
    QCOMPARE(QApplication::focusWidget(), Option(5));
  }

  void onTopTogglesWithItsCheckMark() {
    MainWindow& window = program_->ShowMainWindow();
    auto* on_top = Child<QAction>(&window, "mnuontop");
    on_top->trigger();
    QVERIFY(!on_top->isChecked());
    QVERIFY(!IsKeptOnTop(&window));
    QVERIFY(window.isVisible());
    on_top->trigger();
    QVERIFY(on_top->isChecked());
    QVERIFY(IsKeptOnTop(&window));
  }

  void anotherWindowTakingTheFocusRunsNoRequest() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("casa"));
    Child<QAction>(&window, "mnucomo")->trigger();
    HowToWindow* howto = program_->howto_window();
    QVERIFY(howto != nullptr);
    howto->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(howto));
    QVERIFY(desktop_->messages.empty());
    // The main window still takes input while the How-to window is open.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(Entry(), Qt::Key_Return);
    QCOMPARE(desktop_->Texts(), QStringList{QStringLiteral("Éste no es un infinitivo.")});
  }

  void salirEndsTheProgramWithoutARequest() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("casa"));
    Child<QAction>(&window, "mnucomo")->trigger();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Entry()->setFocus();
    QTest::mouseClick(Child<QPushButton>(&window, "Command2"), Qt::LeftButton);
    QCOMPARE(desktop_->quits, 1);
    QVERIFY(desktop_->messages.empty());
    QVERIFY(!window.isVisible());
    QVERIFY(!program_->howto_window()->isVisible());
  }

  void salirByAccessKeyAndTitleBarCloseEndTheProgram() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(desktop_->quits, 1);
    Program second;
    second.ShowMainWindow().close();
    QCOMPARE(desktop_->quits, 2);
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::MainWindowTest)
#include "main_window_test.moc"
