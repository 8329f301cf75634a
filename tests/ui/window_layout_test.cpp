// SPDX-License-Identifier: GPL-3.0-or-later
// How the controls stand to one another, their colours, the keyboard order
// of the main window, and pictures of the three windows. With
// FLEXORIA_RENDER_DIR set, the pictures are saved there as PNG files.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <algorithm>

#include "tests/ui/ui_test_support.h"
#include "ui/about_window.h"
#include "ui/howto_window.h"

namespace flexoria::ui::testing {

class WindowLayoutTest : public ProgramTest {
  Q_OBJECT

 private:
  // Where a control's text stands: a label's or a button's only as far as
  // its text goes, an option's after its circle.
  static QRect TextArea(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
      return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), label->sizeHint(),
                                 label->geometry());
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button == nullptr) return control->geometry();
    const QStyle* style = button->style();
    const bool round = qobject_cast<QRadioButton*>(button) != nullptr;
    const int circle = round ? style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)
                             : 0;
    const QFontMetrics metrics = button->fontMetrics();
    const QSize text(circle + metrics.horizontalAdvance(QString(button->text()).remove(u'&')),
                     metrics.height());
    return QStyle::alignedRect(Qt::LeftToRight,
                               round ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter, text,
                               button->geometry());
  }

  static void SaveIfAsked(const QPixmap& picture, const QString& file_name) {
    const QByteArray directory = qgetenv("FLEXORIA_RENDER_DIR");
    if (directory.isEmpty()) return;
    QVERIFY(picture.save(QString::fromLocal8Bit(directory) + u'/' + file_name));
  }

 private slots:
  // What a user sees of the layout: each control inside its window or frame
  // with its text, no text over another; the result columns level, each
  // person on one line, every stem against its ending, inside the blue box;
  // the colours of the option groups and of the window.
  void theMainWindowAsAUserSeesIt_data() {
    QTest::addColumn<QString>("entry");  // the row names the picture of the window
    QTest::newRow("main-window") << QStringLiteral("tener");
    QTest::newRow("pasted-line-feed") << QStringLiteral("am\nar");
  }

  void theMainWindowAsAUserSeesIt() {
    QFETCH(QString, entry);
    MainWindow& window = StartedMainWindow(*program_);
    QApplication::clipboard()->setText(entry);
    Child<QLineEdit>(&window, names::kEntry)->paste();
    QTest::keyClick(Child<QLineEdit>(&window, names::kEntry), Qt::Key_Return);
    SaveIfAsked(window.grab(),
                QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png"));
    for (QWidget* parent : {window.centralWidget(), Child<QWidget>(&window, names::kOptionFrame)}) {
      QList<QRect> taken;
      for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible()) continue;
        const QRect text = TextArea(control);
        const bool clear = std::ranges::none_of(taken, [&](QRect t) { return t.intersects(text); });
        QVERIFY2(parent->rect().contains(control->geometry()) &&
                     control->geometry().contains(text) && clear,
                 qPrintable(control->objectName()));
        taken.append(text);
      }
    }
    auto* stems = Child<QLabel>(&window, names::kStemColumn);
    auto* endings = Child<QLabel>(&window, names::kEndingColumn);
    QCOMPARE(stems->text().count(u'\n'), 6);
    QCOMPARE(stems->text().count(QChar(0x240A)), 6 * entry.count(u'\n'));
    QVERIFY(stems->y() == endings->y() && endings->x() - stems->geometry().right() <= 3);
    // The box's lower line runs beneath the columns, not through them.
    const QImage client = window.centralWidget()->grab().toImage();
    int y = stems->y() + 5;
    while (y < client.height() && client.pixelColor(stems->x(), y) != QColor(0, 0, 255)) ++y;
    QVERIFY(y > stems->geometry().bottom() && y < client.height());
    auto* group = Child<QLabel>(&window, names::kSubjunctiveGroup);
    QCOMPARE(group->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    QCOMPARE(group->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 224));
  }

  void tabFollowsTheDesignedOrder() {
    QStringList order;
    for (int option : {1, 2, 3, 4, 5, 6, 13, 7, 8, 9, 10, 11, 12})
      order << names::FormOption(option);
    order << names::kConjugateButton << names::kExitButton << names::kStartButton;
    QWidget* control = Child<QWidget>(&program_->ShowMainWindow(), names::kEntry);
    for (const QString& name : order)
      QCOMPARE((control = NextTabStop(control))->objectName(), name);
  }

  void rendersTheOtherWindows_data() {
    QTest::addColumn<QString>("item");  // the menu item that opens it; the row names the picture
    QTest::newRow("about-window") << QString::fromLatin1(names::kAboutItem);
    QTest::newRow("howto-window") << QString::fromLatin1(names::kHowToItem);
  }

  // Each window draws its whole face: the picture has the window's size and
  // far more than the few colours of an empty frame.
  void rendersTheOtherWindows() {
    QFETCH(QString, item);
    program_->MarkSplashDone();
    MainWindow& window = program_->ShowMainWindow();
    Child<QAction>(&window, item)->trigger();
    QWidget* opened = item == QLatin1String(names::kAboutItem)
                          ? static_cast<QWidget*>(program_->about_window())
                          : program_->howto_window();
    QVERIFY(opened != nullptr && opened->isVisible());
    const QPixmap picture = opened->grab();
    SaveIfAsked(picture, QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png"));
    const QImage image = picture.toImage();
    QCOMPARE(image.size(), opened->size() * picture.devicePixelRatio());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 16, qPrintable(QString::number(colours.size())));
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::WindowLayoutTest)
#include "window_layout_test.moc"
