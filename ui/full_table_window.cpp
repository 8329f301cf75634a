// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/full_table_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/artwork.h"
#include "ui/colours.h"
#include "ui/grid_export.h"
#include "ui/notice_label.h"
#include "ui/object_names.h"
#include "ui/red_ending_delegate.h"
#include "ui/remapped_entry.h"
#include "ui/text_bridge.h"

namespace flexoria::ui {
namespace {

// Long enough for a second letter to come, short enough to feel instant.
constexpr int kTypingPauseMs = 350;
constexpr int kCellPadding = 8;
// A defective verb's form that the language does not use.
constexpr const char* kUnusedFormTip =
    "Forma que no se usa: este verbo es defectivo y carece de ella.";

QString OneLine(const QString& text) { return ForDisplay(text).replace(u'\n', u' ').simplified(); }

// Enter saves under the proposed name. Qt's own dialog speaks English
// without translations installed, so its words are given here; a desktop's
// own dialog speaks the desktop's language anyway.
QString AskWhereThePdfGoes(QWidget* parent, const QString& proposed) {
  QFileDialog dialog(parent, QStringLiteral("Exportar a PDF"), QString(),
                     QStringLiteral("PDF (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.selectFile(proposed);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Carpeta:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("&Nombre:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Guardar"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

FullTableWindow::FullTableWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QLatin1String(names::kFullTableWindow));
  setWindowTitle(QStringLiteral("Flexoria: tabla completa"));
  setWindowIcon(ProgramIcon());
  BuildControls();
  BuildShortcuts();
  choose_pdf_path = AskWhereThePdfGoes;
  typing_pause_.setSingleShot(true);
  typing_pause_.setInterval(kTypingPauseMs);
  connect(&typing_pause_, &QTimer::timeout, this, &FullTableWindow::Conjugate);
}

void FullTableWindow::BuildControls() {
  auto* verb_label = new QLabel(QStringLiteral("&Verbo:"), this);
  entry_ = new RemappedEntry(this);
  entry_->setObjectName(QLatin1String(names::kFullTableEntry));
  entry_->setAccessibleName(QStringLiteral("Verbo"));
  verb_label->setBuddy(entry_);
  vos_ = new QCheckBox(QStringLiteral("con &vos"), this);
  vos_->setObjectName(QLatin1String(names::kVosCheck));
  vos_->setAccessibleName(QStringLiteral("con vos"));
  message_ = MakeNoticeLabel(names::kFullTableMessage, this);
  table_ = new QTableWidget(this);
  table_->setObjectName(QLatin1String(names::kFullTable));
  table_->setAccessibleName(QStringLiteral("Tabla completa"));
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->setShowGrid(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  ShowRedEndings(*table_);

  auto* entry_line = new QHBoxLayout;
  entry_line->addWidget(verb_label);
  entry_line->addWidget(entry_, 1);
  entry_line->addWidget(vos_);
  entry_line->addStretch(2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entry_line);
  layout->addWidget(message_);
  layout->addWidget(table_, 1);
  setTabOrder(entry_, vos_);
  setTabOrder(vos_, table_);
  setTabOrder(table_, message_);

  connect(entry_, &QLineEdit::returnPressed, this, &FullTableWindow::Conjugate);
  connect(entry_, &RemappedEntry::typed, &typing_pause_, qOverload<>(&QTimer::start));
  connect(vos_, &QCheckBox::toggled, this, &FullTableWindow::Conjugate);
  connect(message_, &QLabel::linkActivated, this, &FullTableWindow::ShowVerb);
}

void FullTableWindow::BuildShortcuts() {
  QList<QKeySequence> commands;
  const auto add = [this, &commands](const QKeySequence& keys, const char* name, auto handler) {
    commands.append(keys);
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, handler);
    addAction(action);
  };
  add(QKeySequence::Copy, "copiar", &FullTableWindow::CopyToClipboard);
  add(QKeySequence(Qt::CTRL | Qt::Key_P), "imprimir", &FullTableWindow::PrintWithDialog);
  add(QKeySequence(Qt::CTRL | Qt::Key_E), "exportar", &FullTableWindow::ExportPdf);
  add(QKeySequence(Qt::Key_Escape), "cerrar", &QWidget::close);
  entry_->LeaveToWindow(commands);
}

void FullTableWindow::OpenOn(const QString& verb) {
  ShowVerb(verb.trimmed());
  entry_->setFocus(Qt::OtherFocusReason);
  entry_->selectAll();
}

void FullTableWindow::ShowVerb(const QString& verb) {
  entry_->setText(verb);
  Conjugate();
}

void FullTableWindow::ShowVerbAt(const QString& verb, bool vos, const QString& form_name,
                                 const QString& person) {
  const QSignalBlocker quiet(vos_);
  vos_->setChecked(vos);
  ShowVerb(verb);
  const GridCell* cell = grid_.FormCell(form_name, person);
  if (cell == nullptr) return;
  table_->setCurrentCell(cell->row, cell->column);
  table_->scrollToItem(table_->item(cell->row, cell->column));
  table_->setFocus(Qt::OtherFocusReason);
}

void FullTableWindow::Conjugate() {
  typing_pause_.stop();
  const QString typed = entry_->text();
  shown_verb_ = typed.trimmed();
  if (shown_verb_.isEmpty()) {
    grid_ = {};
    message_->clear();
  } else {
    const FullParadigmResult& result = paradigm_.Conjugate(ToText(typed), vos_->isChecked());
    grid_ = LayOutParadigm(result);
    ShowMessages(result);
  }
  ShowGrid();
  emit conjugated();
}

void FullTableWindow::ShowMessages(const FullParadigmResult& result) {
  QStringList lines;
  if (result.refusal) lines.append(OneLine(ToQString(result.refusal->text)).toHtmlEscaped());
  for (const Message& notice : result.notices) {
    lines.append(OneLine(ToQString(notice.text)).toHtmlEscaped());
  }
  for (const Text& suggestion : result.suggestions) {
    const QString meant = ToQString(suggestion).toHtmlEscaped();
    lines.append(QStringLiteral("¿Quiso decir <a href=\"%1\">%1</a>?").arg(meant));
  }
  message_->setText(lines.join(QStringLiteral(" ")));
}

void FullTableWindow::ShowGrid() {
  table_->clearContents();
  table_->setRowCount(grid_.rows);
  table_->setColumnCount(grid_.columns);
  table_->clearSpans();
  QFont bold = table_->font();
  bold.setBold(true);
  for (const GridCell& cell : grid_.cells) {
    auto* item = new QTableWidgetItem(cell.text);
    item->setData(Qt::AccessibleTextRole, cell.spoken);
    switch (cell.kind) {
      case GridCellKind::kMood:
        item->setFont(bold);
        item->setForeground(QColor(kDarkOrange));
        item->setBackground(QColor(kPaleGrey));
        break;
      case GridCellKind::kTitle:
        item->setFont(bold);
        item->setBackground(QColor(kPaleGrey));
        break;
      case GridCellKind::kPronoun:
        item->setForeground(QColor(Qt::darkGray));
        break;
      case GridCellKind::kForm:
        if (cell.used) {
          MarkEnding(*item, cell.ending_at, cell.ending_length);
        } else {
          item->setForeground(QColor(Qt::gray));
          item->setToolTip(QString::fromUtf8(kUnusedFormTip));
        }
        break;
    }
    table_->setItem(cell.row, cell.column, item);
    if (cell.column_span > 1) table_->setSpan(cell.row, cell.column, 1, cell.column_span);
  }
  SizeColumns();
  // A new verb is a new table: the accessible table forgets the cells it
  // knew, as when a view's model is reset. Told directly, since the
  // update event reaches it only while a screen reader listens, and the
  // cells it kept from before would then read as nothing.
  QAccessibleTableModelChangeEvent reset(table_, QAccessibleTableModelChangeEvent::ModelReset);
  if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table_)) {
    if (QAccessibleTableInterface* cells = accessible->tableInterface()) cells->modelChange(&reset);
  }
  if (!grid_.cells.empty() && !fitted_) FitToTable();
}

void FullTableWindow::FitToTable() {
  // Once, for the first verb: later the user's size stays.
  fitted_ = true;
  layout()->activate();
  QSize size = sizeHint();
  if (const QScreen* shown_on = screen()) size = size.boundedTo(shown_on->availableSize());
  resize(size);
}

void FullTableWindow::SizeColumns() {
  QFont bold = table_->font();
  bold.setBold(true);
  const QFontMetrics plain_metrics(table_->font());
  const QFontMetrics bold_metrics(bold);
  const auto width_of = [&](const GridCell& cell) {
    const QFontMetrics& metrics =
        cell.kind == GridCellKind::kForm || cell.kind == GridCellKind::kPronoun ? plain_metrics
                                                                                : bold_metrics;
    return metrics.horizontalAdvance(cell.text) + kCellPadding;
  };
  std::vector<int> widths(static_cast<std::size_t>(grid_.columns), 0);
  for (const GridCell& cell : grid_.cells) {
    if (cell.column_span == 1) {
      int& width = widths[static_cast<std::size_t>(cell.column)];
      width = std::max(width, width_of(cell));
    }
  }
  // A heading over several columns widens the last of them if it must.
  for (const GridCell& cell : grid_.cells) {
    if (cell.column_span == 1) continue;
    int covered = 0;
    const auto first = static_cast<std::size_t>(cell.column);
    const auto span = static_cast<std::size_t>(cell.column_span);
    for (std::size_t at = first; at < first + span; ++at) covered += widths[at];
    int& last = widths[first + span - 1];
    last += std::max(0, width_of(cell) - covered);
  }
  for (int column = 0; column < grid_.columns; ++column) {
    // The empty columns between the groups.
    const int width = widths[static_cast<std::size_t>(column)];
    table_->setColumnWidth(column, width > 0 ? width : kCellPadding);
  }
}

void FullTableWindow::CopyToClipboard() const {
  ParadigmGrid copied;
  const QList<QTableWidgetItem*> selected = table_->selectedItems();
  if (selected.isEmpty()) {
    copied = grid_;
  } else {
    for (const GridCell& cell : grid_.cells) {
      if (cell.row != selected.front()->row() || cell.column != selected.front()->column())
        continue;
      copied.rows = copied.columns = 1;
      copied.cells.push_back(cell);
      copied.cells.back().row = copied.cells.back().column = 0;
      copied.cells.back().column_span = 1;
    }
  }
  auto* data = new QMimeData;
  const QString text = GridText(copied);
  data->setText(copied.cells.size() == 1 ? text.trimmed() : text);
  data->setHtml(GridHtml(copied));
  QApplication::clipboard()->setMimeData(data);
}

QString FullTableWindow::PrintedHtml() const { return GridHtml(grid_, shown_verb_); }

void FullTableWindow::PrintWithDialog() {
  if (grid_.cells.empty()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(shown_verb_);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintOnePage(PrintedHtml(), printer)) {
    message_->setText(QStringLiteral("No se pudo imprimir."));
  }
}

QString FullTableWindow::ProposedPdfPath(const QString& verb) {
  return QDir::home().filePath(verb + QStringLiteral(".pdf"));
}

void FullTableWindow::ExportPdf() {
  if (grid_.cells.empty()) return;
  QString path = choose_pdf_path(this, ProposedPdfPath(shown_verb_));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (!WritePdfTo(path)) {
    message_->setText(QStringLiteral("No se pudo guardar %1.").arg(path.toHtmlEscaped()));
  }
}

bool FullTableWindow::WritePdfTo(const QString& path) const {
  return WritePdf(PrintedHtml(), path, shown_verb_);
}

}  // namespace flexoria::ui
