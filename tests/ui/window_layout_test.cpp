// Where the controls stand, their fonts and colours, the keyboard order of
// the main window, and pictures of the three windows. With
// FLEXORIA_RENDER_DIR set, the pictures are saved there as PNG files.
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/about_window.h"
#include "ui/howto_window.h"

namespace flexoria::ui::testing {

class WindowLayoutTest : public ProgramTest {
  Q_OBJECT

 private:
  static void SaveIfAsked(const QPixmap& picture, const char* file_name) {
    const QByteArray directory = qgetenv("FLEXORIA_RENDER_DIR");
    if (directory.isEmpty()) return;
    QVERIFY(picture.save(QString::fromLocal8Bit(directory) + u'/' + QLatin1String(file_name)));
  }

 private slots:
  void mainWindowControlsStandWhereDesigned_data() {
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("font_pixels");
    QTest::addColumn<QString>("family");
    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("Liberation Sans");
    QTest::newRow("Label10") << QRect(8, 8, 273, 25) << 16 << serif;
    QTest::newRow("Label9") << QRect(24, 40, 41, 153) << 16 << serif;
    QTest::newRow("Frame3D1") << QRect(288, 8, 313, 194) << 16 << serif;
    QTest::newRow("Text1") << QRect(48, 200, 185, 28) << 16 << serif;
    QTest::newRow("Label8") << QRect(48, 232, 185, 17) << 13 << sans;
    QTest::newRow("Command1") << QRect(264, 208, 73, 33) << 13 << sans;
    QTest::newRow("Command3") << QRect(336, 208, 89, 33) << 13 << sans;
    QTest::newRow("Command2") << QRect(528, 208, 73, 33) << 13 << sans;
    QTest::newRow("Label2") << QRect(8, 8, 89, 17) << 13 << sans;
    QTest::newRow("Label7") << QRect(64, 136, 169, 17) << 13 << sans;
    QTest::newRow("Option3D1") << QRect(16, 32, 73, 26) << 11 << sans;
    QTest::newRow("Option3D13") << QRect(112, 80, 97, 26) << 11 << sans;
    QTest::newRow("Option3D12") << QRect(216, 160, 73, 26) << 11 << sans;
  }

  void mainWindowControlsStandWhereDesigned() {
    QFETCH(QRect, geometry);
    QFETCH(int, font_pixels);
    QFETCH(QString, family);
    auto* control = Child<QWidget>(&program_->ShowMainWindow(), QTest::currentDataTag());
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().pixelSize(), font_pixels);
    QVERIFY(control->font().bold());
    QCOMPARE(QFontInfo(control->font()).family(), family);
  }

  void optionGroupsAreOrangeOnGreyAndTheBoxIsBlue() {
    MainWindow& window = program_->ShowMainWindow();
    auto* group = Child<QLabel>(&window, "Label3");
    QCOMPARE(group->text(), QStringLiteral("Subjuntivo"));
    QCOMPARE(group->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    QCOMPARE(group->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 224));
    const QImage client = window.centralWidget()->grab().toImage();
    QCOMPARE(client.pixelColor(100, 40), QColor(0, 0, 255));
    QCOMPARE(client.pixelColor(16, 120), QColor(0, 0, 255));
    QCOMPARE(client.pixelColor(272, 120), QColor(0, 0, 255));
    QCOMPARE(client.pixelColor(100, 192), QColor(0, 0, 255));
  }

  void tabFollowsTheDesignedOrder() {
    MainWindow& window = program_->ShowMainWindow();
    const char* order[] = {"Text1",     "Option3D1",  "Option3D2",  "Option3D3",  "Option3D4",
                           "Option3D5", "Option3D6",  "Option3D13", "Option3D7",  "Option3D8",
                           "Option3D9", "Option3D10", "Option3D11", "Option3D12", "Command1",
                           "Command2",  "Command3"};
    QWidget* control = Child<QWidget>(&window, order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
      control = NextTabStop(control);
      QCOMPARE(control->objectName(), QString::fromLatin1(order[i]));
    }
  }

  void rendersTheThreeWindows() {
    MainWindow& window = StartedMainWindow(*program_);
    QTest::keyClicks(Child<QLineEdit>(&window, "Text1"), QStringLiteral("tener"));
    QTest::keyClick(Child<QLineEdit>(&window, "Text1"), Qt::Key_Return);
    const QPixmap main_picture = window.grab();
    QCOMPARE(window.centralWidget()->size(), QSize(608, 255));
    SaveIfAsked(main_picture, "main-window.png");

    program_->MarkSplashDone();
    Child<QAction>(&window, "acerca")->trigger();
    AboutWindow* about = program_->about_window();
    QCOMPARE(about->size(), QSize(408, 239));
    SaveIfAsked(about->grab(), "about-window.png");

    Child<QAction>(&window, "mnucomo")->trigger();
    HowToWindow* howto = program_->howto_window();
    QCOMPARE(howto->size(), QSize(608, 468));
    SaveIfAsked(howto->grab(), "howto-window.png");
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::WindowLayoutTest)
#include "window_layout_test.moc"
