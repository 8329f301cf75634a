// SPDX-License-Identifier: GPL-3.0-or-later
// The form lookup: opened from the main window, its readings and
// suggestions, the table it opens; and what a screen reader hears in every
// window.
#include "ui/form_lookup_window.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "tests/ui/table_window_data.h"
#include "tests/ui/ui_test_support.h"
#include "ui/full_table_window.h"

namespace flexoria::ui::testing {
namespace {

QTableWidget* ListOf(QWidget* window) { return Child<QTableWidget>(window, names::kLookupList); }
QLabel* MessageOf(QWidget* window) { return Child<QLabel>(window, names::kLookupMessage); }

// The rows the window lists, each as the data file writes a reading.
QList<QStringList> ListedReadings(QTableWidget* list) {
  QList<QStringList> rows;
  for (int row = 0; row < list->rowCount(); ++row) {
    rows.append({list->item(row, 0)->text(), RedPart(*list, row, 0), list->item(row, 1)->text(),
                 list->item(row, 2)->text(), list->item(row, 3)->text()});
  }
  return rows;
}

QList<QStringList> ExpectedReadings(const QString& typed) {
  QList<QStringList> rows;
  for (QStringList reading : TableWindowRows(QStringLiteral("reading"))) {
    if (reading.takeFirst() == typed) rows.append(reading);
  }
  return rows;
}

QString AccessibleName(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// Every control that Tab can reach has a name to be read by.
void CheckControlNames(QWidget* window) {
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) continue;
    QVERIFY2(!AccessibleName(control).trimmed().isEmpty(),
             qPrintable(window->objectName() + u' ' + control->objectName()));
  }
}

}  // namespace

class FormLookupWindowTest : public ProgramTest {
  Q_OBJECT

 private slots:
  void opensFromTheMenuAndByShortcut() {
    MainWindow& main = StartedMainWindow(*program_);
    Child<QAction>(&main, names::kLookupItem)->trigger();
    FormLookupWindow* window = program_->form_lookup_window();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Flexoria: buscar una forma"));
    window->close();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(Child<QLineEdit>(&main, names::kEntry), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(window->isVisible());
    QVERIFY(desktop_->messages.empty());
  }

  void listsEveryReadingOfATypedForm() {
    FormLookupWindow& window = program_->ShowFormLookupWindow();
    for (const QStringList& reading : TableWindowRows(QStringLiteral("reading"))) {
      window.LookUp(reading[0]);
      QCOMPARE(ListedReadings(ListOf(&window)), ExpectedReadings(reading[0]));
    }
    // Typed through the remapped keys: "hab`a" is "había".
    auto* entry = Child<QLineEdit>(&window, names::kLookupEntry);
    entry->clear();
    QTest::keyClicks(entry, QStringLiteral("hab`a tenido"));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(ListedReadings(ListOf(&window)), ExpectedReadings(QStringLiteral("había tenido")));
  }

  void offersWhatATextWithoutAccentsMeant() {
    FormLookupWindow& window = program_->ShowFormLookupWindow();
    for (const QStringList& suggestion : TableWindowRows(QStringLiteral("suggestion"))) {
      window.LookUp(suggestion[0]);
      QCOMPARE(ListOf(&window)->rowCount(), 0);
      QVERIFY2(MessageOf(&window)->text().contains(QStringLiteral(">%1</a>").arg(suggestion[1])),
               qPrintable(MessageOf(&window)->text()));
      emit MessageOf(&window)->linkActivated(suggestion[1]);
      QCOMPARE(ListedReadings(ListOf(&window)), ExpectedReadings(suggestion[1]));
    }
    for (const QStringList& nothing : TableWindowRows(QStringLiteral("nothing"))) {
      window.LookUp(nothing[0]);
      QCOMPARE(ListOf(&window)->rowCount(), 0);
      QVERIFY(!MessageOf(&window)->text().isEmpty());
    }
  }

  void opensTheTableAtTheReadingsCell() {
    FormLookupWindow& window = program_->ShowFormLookupWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableWidget* list = ListOf(&window);
    window.LookUp(QStringLiteral("tuvieron"));
    const QRect first = list->visualRect(list->model()->index(0, 0));
    // A double click as the window system sends it: a click, then the
    // second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    FullTableWindow* table = program_->full_table_window();
    QVERIFY(table != nullptr && table->isVisible());
    QCOMPARE(table->verb(), QStringLiteral("tener"));
    auto* cells = Child<QTableWidget>(table, names::kFullTable);
    QCOMPARE(cells->currentItem()->text(), QStringLiteral("tuvieron"));
    QVERIFY(cells->currentItem()->isSelected());

    window.LookUp(QStringLiteral("había tenido"));
    list->setFocus();
    list->setCurrentCell(1, 0);
    QTest::keyClick(list, Qt::Key_Return);
    const ShownCell third = FindCell(*table, QStringLiteral("pluscuamperfecto"), "3");
    QCOMPARE(cells->currentRow(), third.row);
    QCOMPARE(cells->currentColumn(), third.column);
  }

  void everyWindowAndControlHasANameToBeReadBy() {
    MainWindow& main = StartedMainWindow(*program_);
    program_->ShowAboutWindow();
    program_->ShowHowToWindow();
    for (const QStringList& window : TableWindowRows(QStringLiteral("window"))) {
      QWidget* shown = nullptr;
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == window[0] && top->isVisible()) shown = top;
      }
      QVERIFY2(shown != nullptr, qPrintable(window[0]));
      QCOMPARE(AccessibleName(shown), window[1]);
    }
    CheckControlNames(&main);
    CheckControlNames(&program_->ShowFullTableWindow());
    CheckControlNames(&program_->ShowFormLookupWindow());
  }

  void readsTheMainWindowsResultPersonByPerson() {
    MainWindow& main = StartedMainWindow(*program_);
    auto* entry = Child<QLineEdit>(&main, names::kEntry);
    for (const QStringList& expected : TableWindowRows(QStringLiteral("description"))) {
      entry->setText(expected[0]);
      Child<QRadioButton>(&main, names::FormOption(expected[1].toInt()))->setChecked(true);
      Child<QPushButton>(&main, names::kConjugateButton)->click();
      for (const char* column : {names::kPersonColumn, names::kStemColumn, names::kEndingColumn}) {
        QAccessibleInterface* label =
            QAccessible::queryAccessibleInterface(Child<QLabel>(&main, QLatin1String(column)));
        QCOMPARE(label->text(QAccessible::Description), expected[2]);
      }
    }
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::FormLookupWindowTest)
#include "form_lookup_window_test.moc"
