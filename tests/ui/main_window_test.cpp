// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over the real widgets: start state, entry and remapped
// keys, the requests that Enter, focus loss and the options set off, the
// menus and the exit.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/test_support.h"
#include "tests/ui/ui_test_support.h"
#include "ui/howto_window.h"
#include "ui/keep_on_top.h"

namespace flexoria::ui::testing {

class MainWindowTest : public ProgramTest {
  Q_OBJECT

 private:
  QLineEdit* Entry() { return Child<QLineEdit>(program_->main_window(), names::kEntry); }
  QString LabelText(const char* name) {
    return Child<QLabel>(program_->main_window(), name)->text();
  }
  QRadioButton* Option(int number) {
    return Child<QRadioButton>(program_->main_window(), names::FormOption(number));
  }
  // Opens the menus from the entry box as `how` names it ("none" does not).
  void OpenMenus(const QString& how, QMenuBar* menus) {
    if (how == QStringLiteral("click")) {
      const QPoint help_menu = menus->actionGeometry(menus->actions().at(1)).center();
      QTest::mouseClick(menus, Qt::LeftButton, {}, help_menu);
    } else if (how == QStringLiteral("F10")) {
      QTest::keyClick(Entry(), Qt::Key_F10);
    } else if (how.startsWith(QStringLiteral("Alt"))) {
      const Qt::Key key = how == QStringLiteral("Alt+A")   ? Qt::Key_A
                          : how == QStringLiteral("Alt+D") ? Qt::Key_D
                                                           : Qt::Key_Alt;
      QTest::keyClick(Entry(), key, Qt::AltModifier);
    }
  }

 private slots:
  void startsWithOnlyComenzarAndSalirOnTopWithPresente() {
    MainWindow& window = program_->ShowMainWindow();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("F  L  E  X  O  R  I  A"));
    auto* start = Child<QPushButton>(&window, names::kStartButton);
    auto* conjugate = Child<QPushButton>(&window, names::kConjugateButton);
    QVERIFY(start->isVisible() && !conjugate->isVisible());
    QVERIFY(Child<QPushButton>(&window, names::kExitButton)->isVisible());
    QVERIFY(!Entry()->isVisible() && !Child<QLabel>(&window, names::kSeHint)->isVisible());
    QVERIFY(Option(1)->isChecked() && window.SelectedOption() == 1);
    QVERIFY(IsKeptOnTop(&window) && Child<QAction>(&window, names::kOnTopItem)->isChecked());
    QCOMPARE(LabelText(names::kTenseTitle), QString());
    // Before "Comenzar" a key raises nothing, though the focus cannot go to
    // the hidden entry box; afterwards the entry box stays for good.
    Option(4)->setFocus();
    QTest::keyClick(Option(4), Qt::Key_A);
    QTest::keyClick(Option(4), Qt::Key_Return);
    QVERIFY(desktop_->messages.empty());
    QVERIFY(!Entry()->isVisible());
    start->click();
    QVERIFY(Entry()->isVisible() && conjugate->isVisible() && !start->isVisible());
    QCOMPARE(QApplication::focusWidget(), Entry());
  }

  void sixKeysTypeSpanishLetters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("e a enye u") << QStringLiteral(";'[/") << QStringLiteral("éáñú");
    QTest::newRow("i o, and keys left alone") << QStringLiteral("`\\@#") << QStringLiteral("íó@#");
    QTest::newRow("letters of a verb") << QStringLiteral("ta[er") << QStringLiteral("tañer");
  }

  void sixKeysTypeSpanishLetters() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), typed);
    QCOMPARE(Entry()->text(), shown);
  }

  void aRemappedKeyTypesAtTheCaretButNotWhenPastedOrWithCtrl() {
    StartedMainWindow(*program_);
    Entry()->setText(QStringLiteral("tner"));
    Entry()->setCursorPosition(1);
    QTest::keyClick(Entry(), ';');
    QCOMPARE(Entry()->text(), QStringLiteral("téner"));
    Entry()->clear();
    QApplication::clipboard()->setText(QStringLiteral("a'[r"));
    Entry()->paste();
    QCOMPARE(Entry()->text(), QStringLiteral("a'[r"));
    // With Ctrl, Alt or Meta a key is a command, never a remapped letter.
    QTest::keyClick(Entry(), ';', Qt::ControlModifier);
    QTest::keyClick(Entry(), '\'', Qt::ControlModifier);
    QCOMPARE(Entry()->text(), QStringLiteral("a'[r"));
  }

  // Whatever reaches the entry box, by typing or pasting, a request answers
  // with the window's own message or a result (control characters drawn as
  // their pictures), and the window stays usable.
  void enterConjugatesTenerWithRedEndingsAfterAnOddEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stem");  // each person's, or none when refused
    const QString unknown = QStringLiteral(
        "Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su conjugación "
        "será como sigue.");
    const QString refused = QStringLiteral("Éste no es un infinitivo.");
    QTest::newRow("NUL before the ending")
        << QString(QChar(0)) + QStringLiteral("ar") << unknown << QStringLiteral("\u2400");
    QTest::newRow("control characters")
        << QStringLiteral("\x01\x1b[31mar") << unknown << QStringLiteral("\u2401\u241b[31m");
    // The box holds 32767 characters: the ending past them is lost.
    QTest::newRow("longer than the box holds")
        << QString(100000, QLatin1Char('b')) + QStringLiteral("ar") << refused << QString();
    QTest::newRow("no-break space after the ending")
        << QStringLiteral("amar\u00A0") << refused << QString();
  }

  void enterConjugatesTenerWithRedEndingsAfterAnOddEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, stem);
    StartedMainWindow(*program_);
    Entry()->setText(entry);
    QTest::keyClick(Entry(), Qt::Key_Return);
    QCOMPARE(desktop_->Texts(), QStringList{message});
    QCOMPARE(LabelText(names::kStemColumn),
             stem.isEmpty() ? QString() : QString(QLatin1Char('\n') + stem).repeated(6));
    desktop_->messages.clear();
    Entry()->setText(QStringLiteral("tener"));
    QTest::keyClick(Entry(), Qt::Key_Return);
    QCOMPARE(desktop_->Texts(), QStringList());
    QCOMPARE(LabelText(names::kTenseTitle), QStringLiteral("Presente de Indicativo"));
    QCOMPARE(LabelText(names::kPersonColumn), QStringLiteral("\n1\n2\n3\n1 1\n2 2\n3 3"));
    QCOMPARE(LabelText(names::kStemColumn), QStringLiteral("\nteng\ntien\ntien\nten\nten\ntien"));
    QCOMPARE(LabelText(names::kEndingColumn), QStringLiteral("\no\nes\ne\nemos\néis\nen"));
    auto* endings = Child<QLabel>(program_->main_window(), names::kEndingColumn);
    QCOMPARE(endings->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  }

  void readsTheEntryAsPeopleTypeIt() {
    StartedMainWindow(*program_);
    for (const flexoria::testing::TypedEntryRow& row : flexoria::testing::ReadTypedEntries()) {
      desktop_->messages.clear();
      Entry()->setText(QString::fromStdString(row.typed));
      QTest::keyClick(Entry(), Qt::Key_Return);
      QCOMPARE(desktop_->messages.size(), row.messages);
      const QStringList stems = LabelText(names::kStemColumn).split(QLatin1Char('\n'));
      const QStringList endings = LabelText(names::kEndingColumn).split(QLatin1Char('\n'));
      QCOMPARE(stems.size(), qsizetype(row.forms.size() + 1));
      for (qsizetype line = 1; line < stems.size(); ++line) {
        const auto at = static_cast<std::size_t>(line - 1);
        QCOMPARE(stems[line] + endings[line], QString::fromStdString(row.forms[at]));
      }
    }
  }

  // Alt, or a menu's access key, lends the focus to the menu bar and gets it
  // back when the menus close: like a click on a menu, that does not leave
  // the entry box; Tab afterwards does, with the message leaving it gives.
  void openingTheMenusRunsNoRequest_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");  // what Tab then shows
    QTest::addColumn<int>("beeps");
    const QString openers[] = {QStringLiteral("none"),  QStringLiteral("Alt"),
                               QStringLiteral("Alt+A"), QStringLiteral("Alt+D"),
                               QStringLiteral("F10"),   QStringLiteral("click")};
    struct Entry {
      QString text;
      QString message;
      int beeps;
    };
    const Entry entries[] = {
        {QString(), QStringLiteral("Éste no es un infinitivo."), 0},
        {QStringLiteral("nevar"),
         QStringLiteral("Este verbo sólo se usa en la tercera persona de singular."), 0},
        {QStringLiteral("lavarse"), QStringLiteral("Borre el pronombre \"se\"."), 1},
    };
    for (const Entry& entry : entries) {
      for (const QString& opener : openers) {
        const QString row = opener + QStringLiteral(", then Tab from \"") + entry.text + u'"';
        QTest::newRow(qPrintable(row)) << opener << entry.text << entry.message << entry.beeps;
      }
    }
  }

  void openingTheMenusRunsNoRequest() {
    QFETCH(QString, opener);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    QMenuBar* menus = StartedMainWindow(*program_).menuBar();
    Entry()->setText(entry);
    desktop_->messages.clear();
    OpenMenus(opener, menus);
    // Escape closes an open menu, then leaves the menu bar.
    if (QWidget* open = QApplication::activePopupWidget()) QTest::keyClick(open, Qt::Key_Escape);
    if (QApplication::focusWidget() == menus) QTest::keyClick(menus, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), Entry());
    QCOMPARE(desktop_->beeps + desktop_->messages.size(), 0u);
    PressTab(Entry());
    QCOMPARE(desktop_->beeps, beeps);
    QCOMPARE(desktop_->Texts(), QStringList{message});
  }

  void leavingTheEntryWarnsAboutSeThenConjugates() {
    MainWindow& window = StartedMainWindow(*program_);
    auto* hint = Child<QLabel>(&window, names::kSeHint);
    QTest::keyClicks(Entry(), QStringLiteral("lavarse"));
    PressTab(Entry());
    QCOMPARE(QApplication::focusWidget(), Option(1));
    QCOMPARE(desktop_->beeps, 1);
    QVERIFY(hint->isVisible());
    QCOMPARE(desktop_->Texts(), QStringList{QStringLiteral("Borre el pronombre \"se\".")});
    QCOMPARE(desktop_->messages[0].title, QStringLiteral("Flexoria"));
    QCOMPARE(desktop_->messages[0].icon, MessageIcon::kNone);

    Entry()->setFocus();
    Entry()->setText(QStringLiteral("lavar"));
    PressTab(Entry());
    QVERIFY(!hint->isVisible());
    QCOMPARE(desktop_->beeps, 1);
    QCOMPARE(LabelText(names::kTenseTitle), QStringLiteral("Presente de Indicativo"));
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
    QTRY_COMPARE(LabelText(names::kTenseTitle), QStringLiteral("Perfecto simple de Indicativo"));
    QCOMPARE(LabelText(names::kStemColumn), QStringLiteral("\nam\nam\nam\nam\nam\nam"));

    QTest::keyClick(&window, Qt::Key_1, Qt::AltModifier);
    QTRY_COMPARE(LabelText(names::kTenseTitle), QStringLiteral("Imperfecto I. de subjuntivo"));
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(LabelText(names::kTenseTitle), QStringLiteral("Gerundio"));
    QCOMPARE(LabelText(names::kPersonColumn), QString());
    QCOMPARE(window.SelectedOption(), 12);
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
    // The queued Enter runs another request; "nevar" announces its
    // restricted use on each.
    QTRY_COMPARE(desktop_->messages.size(), 2u);
    QCOMPARE(LabelText(names::kTenseTitle), QStringLiteral("Futuro de indicativo"));
    QCOMPARE(desktop_->Texts(), QStringList(2, QStringLiteral("Este verbo sólo se usa en la "
                                                              "tercera persona de singular.")));
  }

  // A request asked for while another waits in its message runs after it.
  void requestsNeverRunInsideOneAnother() {
    auto* conjugate = Child<QPushButton>(&StartedMainWindow(*program_), names::kConjugateButton);
    QTest::keyClicks(Entry(), QStringLiteral("nevar"));
    int depth = 0;
    int messages = 0;
    Desktop().show_message = [&](QWidget*, const QString&, const QString&, MessageIcon) {
      QCOMPARE(++depth, 1);
      if (++messages == 1) conjugate->click();
      --depth;
    };
    conjugate->click();
    QCOMPARE(messages, 2);
  }

  void enterOnAnOptionConjugatesAndOnAButtonPressesIt() {
    StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("amar"));
    Option(9)->setFocus();
    Option(9)->setChecked(true);
    QTest::keyClick(Option(9), Qt::Key_Return);
    QCOMPARE(LabelText(names::kTenseTitle), QStringLiteral("Condicional"));
    auto* salir = Child<QPushButton>(program_->main_window(), names::kExitButton);
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
    auto* on_top = Child<QAction>(&window, names::kOnTopItem);
    on_top->trigger();
    QVERIFY(!on_top->isChecked());
    QVERIFY(!IsKeptOnTop(&window));
    QVERIFY(window.isVisible());
    on_top->trigger();
    QVERIFY(on_top->isChecked());
    QVERIFY(IsKeptOnTop(&window));
  }

  void anotherWindowTakingTheFocusOrSalirRunsNoRequest() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Entry(), QStringLiteral("casa"));
    Child<QAction>(&window, names::kHowToItem)->trigger();
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
    // "Salir" ends the program at once, the How-to window with it.
    QTest::mouseClick(Child<QPushButton>(&window, names::kExitButton), Qt::LeftButton);
    QCOMPARE(desktop_->quits, 1);
    QCOMPARE(desktop_->messages.size(), 1u);
    QVERIFY(!window.isVisible());
    QVERIFY(!howto->isVisible());
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
