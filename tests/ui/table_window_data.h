// SPDX-License-Identifier: GPL-3.0-or-later
// The expected texts of the table and lookup windows, read from
// tests/data/table_windows.tsv, and the steps the tests of both windows share.
#pragma once

#include <QList>
#include <QStringList>

class QTableWidget;

namespace flexoria::ui {
class FullTableWindow;
}

namespace flexoria::ui::testing {

// The fields after the first of every row of this kind; fails the test
// program when the file cannot be read.
QList<QStringList> TableWindowRows(const QString& kind);

// The text of a table cell drawn red.
QString RedPart(const QTableWidget& table, int row, int column);

// The grid cell of this form and person in the window's table.
struct ShownCell {
  int row = -1;
  int column = -1;
};
ShownCell FindCell(const FullTableWindow& window, const QString& form, const QString& person);

}  // namespace flexoria::ui::testing
