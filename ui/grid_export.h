// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm grid as other programs take it: tab-separated text and an
// HTML table for the clipboard, and one page for a printer or a PDF file,
// the endings in red in all but the plain text.
#pragma once

#include <QString>

#include "ui/paradigm_grid.h"

class QPrinter;

namespace flexoria::ui {

QString CellHtml(const GridCell& cell);

// One line per grid row, the grid's columns separated by tabs.
QString GridText(const ParadigmGrid& grid);
// A table; `caption`, when given, is set above it.
QString GridHtml(const ParadigmGrid& grid, const QString& caption = {});

// The HTML scaled onto the printer's first page; false when the printer
// could not be opened.
bool PrintOnePage(const QString& html, QPrinter& printer);
bool WritePdf(const QString& html, const QString& path, const QString& title);

}  // namespace flexoria::ui
