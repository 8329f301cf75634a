// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the start-up splash that opens the main window, the
// window opened from the menu, its information message and its animation.
#include "ui/about_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/ui_test_support.h"
#include "ui/keep_on_top.h"

namespace flexoria::ui::testing {

class AboutWindowTest : public ProgramTest {
  Q_OBJECT

 private:
  AboutWindow& AboutFromMenu() {
    program_->MarkSplashDone();
    MainWindow& window = program_->ShowMainWindow();
    Child<QAction>(&window, names::kAboutItem)->trigger();
    return *program_->about_window();
  }

 private slots:
  void splashOpensTheMainWindowAfterOneSecondAndGoes() {
    QElapsedTimer clock;
    clock.start();
    program_->Start();
    AboutWindow* splash = program_->about_window();
    QVERIFY(splash != nullptr && splash->isVisible());
    QCOMPARE(splash->windowTitle(), QStringLiteral("A c e r c a   d e   F L E X O R I A"));
    QCOMPARE(splash->cursor().shape(), Qt::WaitCursor);
    QVERIFY(!Child<QPushButton>(splash, names::kAboutOkButton)->isVisible());
    QVERIFY(IsKeptOnTop(splash));
    QVERIFY(program_->main_window() == nullptr);

    QTRY_VERIFY_WITH_TIMEOUT(program_->main_window() != nullptr, 3000);
    QVERIFY(clock.elapsed() >= 900);
    QTRY_VERIFY(program_->about_window() == nullptr);
    QVERIFY(program_->splash_done());
    QVERIFY(program_->main_window()->isVisible());
  }

  // The splash may end while its information message is open: the message
  // closes first, then the window.
  void splashEndingDuringTheInformationMessage() {
    bool splash_ended_meanwhile = false;
    Desktop().show_message = [&](QWidget*, const QString&, const QString&, MessageIcon) {
      QTRY_VERIFY_WITH_TIMEOUT(program_->main_window() != nullptr, 3000);
      splash_ended_meanwhile = true;
    };
    program_->Start();
    QTest::mouseClick(Child<QLabel>(program_->about_window(), names::kInformationIcon),
                      Qt::LeftButton);
    QVERIFY(splash_ended_meanwhile);
    QTRY_VERIFY(program_->about_window() == nullptr);
    QVERIFY(program_->main_window()->isVisible());
  }

  void fromTheMenuItStaysUntilVale() {
    AboutWindow& about = AboutFromMenu();
    auto* vale = Child<QPushButton>(&about, names::kAboutOkButton);
    QVERIFY(vale->isVisible());
    QCOMPARE(vale->text(), QStringLiteral("&Vale"));
    QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
    // The splash would have closed after a second; this one does not.
    QVERIFY(!QTest::qWaitFor([&] { return !about.isVisible(); }, 1500));
    QTest::mouseClick(vale, Qt::LeftButton);
    QTRY_VERIFY(program_->about_window() == nullptr);
    QVERIFY(program_->main_window()->isVisible());
  }

  void theInformationIconShowsMiEzAndLeavesTheWindowOpen() {
    AboutWindow& about = AboutFromMenu();
    QTest::mouseClick(Child<QLabel>(&about, names::kInformationIcon), Qt::LeftButton);
    QCOMPARE(desktop_->messages.size(), std::size_t{1});
    const ShownMessage& message = desktop_->messages.front();
    QCOMPARE(message.title, QStringLiteral("Mi ez?"));
    QCOMPARE(message.icon, MessageIcon::kInformation);
    const QStringList lines = message.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    for (int line = 1; line < 4; ++line) QVERIFY(lines[line].startsWith(QStringLiteral("  ")));
    QVERIFY(lines[3].contains(QStringLiteral("@example.org")));
    QVERIFY(about.isVisible());
  }

  void theAnimationCyclesThroughItsThreeFrames() {
    AboutWindow& about = AboutFromMenu();
    QCOMPARE(about.ShownFrame(), 1);
    QList<int> shown;
    auto* animation_timer = Child<QTimer>(&about, names::kAnimationTimer);
    for (int step = 0; step < 10; ++step) {
      QMetaObject::invokeMethod(animation_timer, "timeout");
      shown.append(about.ShownFrame());
    }
    QCOMPARE(shown, (QList<int>{2, 3, 1, 2, 3, 1, 2, 3, 1, 2}));
    // The timer itself moves the picture on, five times a second.
    QTRY_VERIFY_WITH_TIMEOUT(about.ShownFrame() == 3, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(about.ShownFrame() == 1, 1000);
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::AboutWindowTest)
#include "about_window_test.moc"
