// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/table_window_data.h"

#include <QFile>
#include <QTableWidget>
#include <QTextStream>

#include "ui/full_table_window.h"
#include "ui/red_ending_delegate.h"

namespace flexoria::ui::testing {

QList<QStringList> TableWindowRows(const QString& kind) {
  QFile file(QStringLiteral(FLEXORIA_TEST_DATA_DIR "/table_windows.tsv"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("table_windows.tsv is missing");
  QList<QStringList> rows;
  QTextStream lines(&file);
  while (!lines.atEnd()) {
    const QString line = lines.readLine();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    QStringList fields = line.split(u'\t');
    if (fields.takeFirst() == kind) rows.append(fields);
  }
  if (rows.isEmpty()) qFatal("table_windows.tsv has no rows of this kind");
  return rows;
}

QString RedPart(const QTableWidget& table, int row, int column) {
  const QTableWidgetItem* item = table.item(row, column);
  if (item == nullptr) return QStringLiteral("(no cell)");
  return item->text().mid(item->data(kEndingAtRole).toInt(), item->data(kEndingLengthRole).toInt());
}

ShownCell FindCell(const FullTableWindow& window, const QString& form, const QString& person) {
  const GridCell* cell = window.grid().FormCell(form, person);
  if (cell == nullptr) return {};
  return {cell->row, cell->column};
}

}  // namespace flexoria::ui::testing
