// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/red_ending_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QTableWidgetItem>

#include "engine/request_ui.h"

namespace flexoria::ui {

void MarkEnding(QTableWidgetItem& item, qsizetype at, qsizetype length) {
  item.setData(kEndingAtRole, at);
  item.setData(kEndingLengthRole, length);
}

void ShowRedEndings(QAbstractItemView& view, int column) {
  auto* delegate = new RedEndingDelegate(&view);
  if (column < 0) {
    view.setItemDelegate(delegate);
  } else {
    view.setItemDelegateForColumn(column, delegate);
  }
  QPalette palette = view.palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight, QColor(255, 236, 140));
    palette.setColor(group, QPalette::HighlightedText, QColor(Qt::black));
  }
  view.setPalette(palette);
}

void RedEndingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QVariant ending_at = index.data(kEndingAtRole);
  if (!ending_at.isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem shown = option;
  initStyleOption(&shown, index);
  const QString text = shown.text;
  shown.text.clear();
  const QStyle* style = shown.widget != nullptr ? shown.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &shown, painter, shown.widget);

  const qsizetype at = std::clamp<qsizetype>(ending_at.toLongLong(), 0, text.size());
  const qsizetype length =
      std::clamp<qsizetype>(index.data(kEndingLengthRole).toLongLong(), 0, text.size() - at);
  const bool selected = (shown.state & QStyle::State_Selected) != 0;
  const QColor plain = shown.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, shown.widget);
  area.adjust(3, 0, -3, 0);
  painter->save();
  painter->setFont(shown.font);
  painter->setClipRect(area);
  const QFontMetrics metrics(shown.font);
  int x = area.left();
  const auto draw = [&](const QString& part, const QColor& colour) {
    painter->setPen(colour);
    painter->drawText(QRect(x, area.top(), area.right() - x + 1, area.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, part);
    x += metrics.horizontalAdvance(part);
  };
  draw(text.left(at), plain);
  draw(text.mid(at, length), QColor(QRgb{kPureRed}));
  draw(text.mid(at + length), plain);
  painter->restore();
}

}  // namespace flexoria::ui
