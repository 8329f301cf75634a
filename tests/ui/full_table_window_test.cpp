// SPDX-License-Identifier: GPL-3.0-or-later
// The full table: opened from the main window, every form where the
// Academy's tables put it, its messages, copy, PDF, keys and screen reader.
#include "ui/full_table_window.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "tests/ui/table_window_data.h"
#include "tests/ui/ui_test_support.h"
#include "ui/keep_on_top.h"

namespace flexoria::ui::testing {
namespace {

QLineEdit* EntryOf(QWidget* window) { return Child<QLineEdit>(window, names::kFullTableEntry); }
QTableWidget* TableOf(QWidget* window) { return Child<QTableWidget>(window, names::kFullTable); }
QLabel* MessageOf(QWidget* window) { return Child<QLabel>(window, names::kFullTableMessage); }

// The table of `entry`, with the vos forms when `vos` is "sí".
FullTableWindow& TableFor(Program& program, const QString& entry, const QString& vos) {
  FullTableWindow& window = program.ShowFullTableWindow();
  Child<QCheckBox>(&window, names::kVosCheck)->setChecked(vos == QStringLiteral("sí"));
  window.ShowVerb(entry);
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) qFatal("the table window did not become active");
  return window;
}

QString AccessibleCellName(QTableWidget* table, int row, int column) {
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
  if (view == nullptr || view->tableInterface() == nullptr) return QStringLiteral("(no table)");
  QAccessibleInterface* cell = view->tableInterface()->cellAt(row, column);
  return cell != nullptr ? cell->text(QAccessible::Name) : QStringLiteral("(no cell)");
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class FullTableWindowTest : public ProgramTest {
  Q_OBJECT

 private slots:
  void opensOnTheMainWindowsVerbFromTheMenuAndByShortcut() {
    MainWindow& main = StartedMainWindow(*program_);
    auto* entry = Child<QLineEdit>(&main, names::kEntry);
    QTest::keyClicks(entry, QStringLiteral("tener"));
    Child<QAction>(&main, names::kFullTableItem)->trigger();
    FullTableWindow* window = program_->full_table_window();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Flexoria: tabla completa"));
    QCOMPARE(EntryOf(window)->text(), QStringLiteral("tener"));
    QVERIFY(TableOf(window)->rowCount() > 0);
    // Above the others as the main window is, or it would open behind it.
    QVERIFY(IsKeptOnTop(window));
    window->close();
    QVERIFY(!window->isVisible());
    Child<QAction>(&main, names::kOnTopItem)->trigger();

    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    entry->clear();
    QTest::keyClick(entry, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(window->isVisible());
    QVERIFY(!IsKeptOnTop(window));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(EntryOf(window)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), EntryOf(window));
    QCOMPARE(TableOf(window)->rowCount(), 0);
    // The main window asked nothing of its own: no request, no message.
    QVERIFY(desktop_->messages.empty());
  }

  void showsEveryFormWhereTheAcademyPutsIt() {
    for (const QStringList& expected : TableWindowRows(QStringLiteral("cell"))) {
      FullTableWindow& window = TableFor(*program_, expected[0], expected[1]);
      const ShownCell cell = FindCell(window, expected[2], expected[3]);
      const QString what = expected.join(u' ');
      QVERIFY2(cell.row >= 0, qPrintable(what));
      QTableWidget* table = TableOf(&window);
      QCOMPARE(table->item(cell.row, cell.column)->text(), expected[4]);
      QCOMPARE(RedPart(*table, cell.row, cell.column), expected[5]);
      QCOMPARE(AccessibleCellName(table, cell.row, cell.column), expected[6]);
    }
  }

  void greysOnlyTheFormsAVerbDoesNotUse() {
    for (const QStringList& expected : TableWindowRows(QStringLiteral("unused"))) {
      FullTableWindow& window = TableFor(*program_, expected[0], QStringLiteral("no"));
      const ShownCell cell = FindCell(window, expected[1], expected[2]);
      const QString what = expected.join(u' ');
      QVERIFY2(cell.row >= 0, qPrintable(what));
      const QTableWidget* table = TableOf(&window);
      const bool used = expected[3] == QStringLiteral("se usa");
      QVERIFY2(table->item(cell.row, cell.column)->toolTip().isEmpty() == used, qPrintable(what));
      QVERIFY2(RedPart(*table, cell.row, cell.column).isEmpty() != used, qPrintable(what));
    }
  }

  void keepsEachPersonBesideItsCompoundTense() {
    FullTableWindow& window = TableFor(*program_, QStringLiteral("tener"), QStringLiteral("no"));
    for (const auto& [simple, compound] : {std::pair{"presente", "perfecto-compuesto"},
                                           {"perfecto", "anterior"},
                                           {"subj-imperfecto-2", "subj-pluscuamperfecto-2"},
                                           {"imperativo-afirmativo", "imperativo-negativo"}}) {
      const ShownCell left = FindCell(window, QLatin1String(simple), QStringLiteral("2 2"));
      const ShownCell right = FindCell(window, QLatin1String(compound), QStringLiteral("2 2"));
      QCOMPARE(right.row, left.row);
      QCOMPARE(right.column, left.column + 1);
    }
    // vos comes right after tú.
    FullTableWindow& with_vos = TableFor(*program_, QStringLiteral("tener"), QStringLiteral("sí"));
    QCOMPARE(FindCell(with_vos, QStringLiteral("presente"), QStringLiteral("vos")).row,
             FindCell(with_vos, QStringLiteral("presente"), QStringLiteral("2")).row + 1);
    TableFor(*program_, QStringLiteral("tener"), QStringLiteral("no"));
    QVERIFY(FindCell(window, QStringLiteral("presente"), QStringLiteral("vos")).row < 0);
  }

  void conjugatesAsYouTypeWithTheRemappedKeys() {
    FullTableWindow& window = TableFor(*program_, QString(), QStringLiteral("no"));
    for (const QStringList& meant : TableWindowRows(QStringLiteral("typed"))) {
      EntryOf(&window)->clear();
      QTest::keyClicks(EntryOf(&window), meant[0]);
      // Nothing yet while the letters come; the table once they stop.
      QCOMPARE(window.verb(), QString());
      QTRY_COMPARE(window.verb(), meant[1]);
      QVERIFY(TableOf(&window)->rowCount() > 0);
      QTest::keyClick(EntryOf(&window), Qt::Key_Backspace);
      QTest::keyClick(EntryOf(&window), Qt::Key_Return);
      QCOMPARE(window.verb(), meant[1].chopped(1));
      window.ShowVerb(QString());
    }
  }

  void fitsOneScreen() {
    FullTableWindow& window = program_->ShowFullTableWindow();
    window.OpenOn(QStringLiteral("lavarse"));
    // Room left for a title bar and a panel on a 1280×800 screen.
    const QSize needed = window.sizeHint();
    QVERIFY2(needed.width() <= 1280 && needed.height() <= 740,
             qPrintable(QStringLiteral("%1×%2").arg(needed.width()).arg(needed.height())));
  }

  void saysItsNoticesInALine() {
    FullTableWindow& window = TableFor(*program_, QStringLiteral("abolir"), QStringLiteral("no"));
    QVERIFY(!MessageOf(&window)->text().isEmpty());
    QVERIFY(TableOf(&window)->rowCount() > 0);
    for (const QStringList& refused : TableWindowRows(QStringLiteral("refused"))) {
      TableFor(*program_, refused[0], QStringLiteral("no"));
      QVERIFY(!MessageOf(&window)->text().isEmpty());
      QCOMPARE(TableOf(&window)->rowCount(), 0);
      QVERIFY(window.grid().cells.empty());
    }
    for (const QStringList& meant : TableWindowRows(QStringLiteral("meant"))) {
      TableFor(*program_, meant[0], QStringLiteral("no"));
      QVERIFY2(MessageOf(&window)->text().contains(QStringLiteral("¿Quiso decir")),
               qPrintable(MessageOf(&window)->text()));
      emit MessageOf(&window)->linkActivated(meant[1]);
      QCOMPARE(window.verb(), meant[1]);
      QVERIFY(!MessageOf(&window)->text().contains(QStringLiteral("¿Quiso decir")));
    }
    // The table tells, and asks nothing: no message box.
    QVERIFY(desktop_->messages.empty());
  }

  void copiesTheSelectedCellOrTheWholeTable() {
    for (const QStringList& expected : TableWindowRows(QStringLiteral("cell"))) {
      if (expected[0] != QStringLiteral("tener") || expected[1] != QStringLiteral("no")) continue;
      FullTableWindow& window = TableFor(*program_, expected[0], expected[1]);
      const ShownCell cell = FindCell(window, expected[2], expected[3]);
      QTableWidget* table = TableOf(&window);
      table->setCurrentCell(cell.row, cell.column);
      QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
      const QMimeData* copied = QApplication::clipboard()->mimeData();
      QCOMPARE(copied->text(), expected[4]);
      if (!expected[5].isEmpty()) {
        QVERIFY2(copied->html().contains(QStringLiteral("#ff0000\">%1</span>").arg(expected[5])),
                 qPrintable(copied->html()));
      }
      table->clearSelection();
      QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
      const QString whole = QApplication::clipboard()->mimeData()->text();
      QVERIFY2(whole.contains(u'\t' + expected[4] + u'\t') ||
                   whole.contains(u'\t' + expected[4] + u'\n'),
               qPrintable(expected[4]));
      QVERIFY(QApplication::clipboard()->mimeData()->html().contains(QStringLiteral("<table")));
    }
  }

  void exportsOneSearchablePage() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty()) QSKIP("poppler-utils is not installed");
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("tener.pdf"));
    FullTableWindow& window = TableFor(*program_, QStringLiteral("tener"), QStringLiteral("no"));
    QString proposed;
    window.choose_pdf_path = [&](QWidget*, const QString& offered) {
      proposed = offered;
      return path;
    };
    // From the entry box, which would take Ctrl+E for the end of its line.
    QTest::keyClick(EntryOf(&window), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(proposed, QDir::home().filePath(QStringLiteral("tener.pdf")));
    const QString info = Run(pdfinfo, {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const QString text = Run(pdftotext, {path, QStringLiteral("-")}).simplified();
    for (const QStringList& expected : TableWindowRows(QStringLiteral("cell"))) {
      if (expected[0] != QStringLiteral("tener") || expected[1] != QStringLiteral("no")) continue;
      QVERIFY2(text.contains(expected[4]), qPrintable(expected[4]));
    }
  }

  void movesByKeysAndClosesWithEscape() {
    FullTableWindow& window = program_->ShowFullTableWindow();
    window.OpenOn(QStringLiteral("tener"));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* vos = Child<QCheckBox>(&window, names::kVosCheck);
    QTableWidget* table = TableOf(&window);
    QCOMPARE(NextTabStop(EntryOf(&window)), vos);
    QCOMPARE(NextTabStop(vos), table);
    // The message line, where "¿Quiso decir …?" is a link.
    QCOMPARE(NextTabStop(table), MessageOf(&window));
    const ShownCell first = FindCell(window, QStringLiteral("presente"), QStringLiteral("1"));
    table->setFocus();
    table->setCurrentCell(first.row, first.column);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Right);
    const ShownCell moved = FindCell(window, QStringLiteral("perfecto-compuesto"), "2");
    QCOMPARE(table->currentRow(), moved.row);
    QCOMPARE(table->currentColumn(), moved.column);
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::FullTableWindowTest)
#include "full_table_window_test.moc"
