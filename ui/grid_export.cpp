// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid_export.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <vector>

#include "engine/request_ui.h"

namespace flexoria::ui {
namespace {

// The cell that starts at each place of the grid, or nothing for a place
// that is empty or that a wider cell covers.
std::vector<std::vector<const GridCell*>> CellsByPlace(const ParadigmGrid& grid,
                                                       std::vector<std::vector<bool>>& covered) {
  std::vector<std::vector<const GridCell*>> places(
      static_cast<std::size_t>(grid.rows),
      std::vector<const GridCell*>(static_cast<std::size_t>(grid.columns), nullptr));
  covered.assign(static_cast<std::size_t>(grid.rows),
                 std::vector<bool>(static_cast<std::size_t>(grid.columns), false));
  for (const GridCell& cell : grid.cells) {
    const auto row = static_cast<std::size_t>(cell.row);
    places[row][static_cast<std::size_t>(cell.column)] = &cell;
    const auto first = static_cast<std::size_t>(cell.column);
    for (std::size_t next = 1; next < static_cast<std::size_t>(cell.column_span); ++next) {
      covered[row][first + next] = true;
    }
  }
  return places;
}

const QString kRed = QColor(QRgb{kPureRed}).name();

}  // namespace

QString CellHtml(const GridCell& cell) {
  if (cell.ending_length == 0) return cell.text.toHtmlEscaped();
  return cell.text.left(cell.ending_at).toHtmlEscaped() +
         QStringLiteral("<span style=\"color:%1\">").arg(kRed) +
         cell.text.mid(cell.ending_at, cell.ending_length).toHtmlEscaped() +
         QStringLiteral("</span>") +
         cell.text.mid(cell.ending_at + cell.ending_length).toHtmlEscaped();
}

QString GridText(const ParadigmGrid& grid) {
  std::vector<std::vector<bool>> covered;
  const auto places = CellsByPlace(grid, covered);
  QStringList lines;
  for (const auto& row : places) {
    QStringList fields;
    for (const GridCell* cell : row) fields.append(cell != nullptr ? cell->text : QString());
    lines.append(fields.join(u'\t'));
  }
  return lines.join(u'\n') + u'\n';
}

QString GridHtml(const ParadigmGrid& grid, const QString& caption) {
  std::vector<std::vector<bool>> covered;
  const auto places = CellsByPlace(grid, covered);
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>");
  if (!caption.isEmpty()) html += QStringLiteral("<h2>%1</h2>").arg(caption.toHtmlEscaped());
  html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
  for (std::size_t row = 0; row < places.size(); ++row) {
    html += QStringLiteral("<tr>");
    for (std::size_t column = 0; column < places[row].size(); ++column) {
      if (covered[row][column]) continue;
      const GridCell* cell = places[row][column];
      if (cell == nullptr) {
        html += QStringLiteral("<td></td>");
        continue;
      }
      const QString span =
          cell->column_span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(cell->column_span) : "";
      switch (cell->kind) {
        case GridCellKind::kMood:
          html += QStringLiteral("<th%1 align=\"left\" style=\"color:#c04000\">%2</th>")
                      .arg(span, CellHtml(*cell));
          break;
        case GridCellKind::kTitle:
          html += QStringLiteral("<td%1><b>%2</b></td>").arg(span, CellHtml(*cell));
          break;
        default:
          html += QStringLiteral("<td%1>%2</td>").arg(span, CellHtml(*cell));
      }
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table></body></html>");
}

bool PrintOnePage(const QString& html, QPrinter& printer) {
  QTextDocument document;
  // Laid out in the printer's own units, so the text keeps its size.
  document.documentLayout()->setPaintDevice(&printer);
  document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 9));
  document.setHtml(html);
  document.setTextWidth(document.idealWidth());
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSizeF size = document.size();
  const double scale = std::min(page.width() / size.width(), page.height() / size.height());
  painter.scale(scale, scale);
  document.drawContents(&painter);
  return painter.end();
}

bool WritePdf(const QString& html, const QString& path, const QString& title) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  printer.setDocName(title);
  printer.setCreator(QStringLiteral("Flexoria"));
  return PrintOnePage(html, printer);
}

}  // namespace flexoria::ui
