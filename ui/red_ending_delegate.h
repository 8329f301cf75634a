// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a form in a list or table with its ending in the main window's red.
// A cell says where its ending stands through two data roles; a cell
// without them is drawn as usual.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QTableWidgetItem;

namespace flexoria::ui {

inline constexpr int kEndingAtRole = Qt::UserRole + 1;
inline constexpr int kEndingLengthRole = Qt::UserRole + 2;

void MarkEnding(QTableWidgetItem& item, qsizetype at, qsizetype length);

// Draws the view's forms with red endings, and its selection light enough
// for the red to stay readable on it.
void ShowRedEndings(QAbstractItemView& view, int column = -1);

class RedEndingDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace flexoria::ui
