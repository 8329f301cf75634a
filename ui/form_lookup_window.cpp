// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_lookup_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/artwork.h"
#include "ui/notice_label.h"
#include "ui/object_names.h"
#include "ui/paradigm_grid.h"
#include "ui/red_ending_delegate.h"
#include "ui/remapped_entry.h"

namespace flexoria::ui {
namespace {

enum Column { kForm, kInfinitive, kTitle, kPerson, kColumnCount };

}  // namespace

FormLookupWindow::FormLookupWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QLatin1String(names::kLookupWindow));
  setWindowTitle(QStringLiteral("Flexoria: buscar una forma"));
  setWindowIcon(ProgramIcon());
  auto* form_label = new QLabel(QStringLiteral("&Forma:"), this);
  entry_ = new RemappedEntry(this);
  entry_->setObjectName(QLatin1String(names::kLookupEntry));
  entry_->setAccessibleName(QStringLiteral("Forma"));
  entry_->setPlaceholderText(QStringLiteral("tuvieron, había tenido, no tengas…"));
  form_label->setBuddy(entry_);
  message_ = MakeNoticeLabel(names::kLookupMessage, this);
  list_ = new QTableWidget(0, kColumnCount, this);
  list_->setObjectName(QLatin1String(names::kLookupList));
  list_->setAccessibleName(QStringLiteral("Lecturas"));
  list_->setHorizontalHeaderLabels({QStringLiteral("Forma"), QStringLiteral("Infinitivo"),
                                    QStringLiteral("Tiempo"), QStringLiteral("Persona")});
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setSectionResizeMode(kPerson, QHeaderView::Stretch);
  list_->verticalHeader()->hide();
  list_->setShowGrid(false);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setTabKeyNavigation(false);
  ShowRedEndings(*list_, kForm);

  auto* entry_line = new QHBoxLayout;
  entry_line->addWidget(form_label);
  entry_line->addWidget(entry_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entry_line);
  layout->addWidget(message_);
  layout->addWidget(list_, 1);
  resize(640, 360);

  auto* close = new QAction(this);
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
  connect(entry_, &QLineEdit::returnPressed, this, &FormLookupWindow::LookUpEntry);
  connect(list_, &QTableWidget::activated, this,
          [this](const QModelIndex& index) { OpenRow(index.row()); });
  connect(message_, &QLabel::linkActivated, this, &FormLookupWindow::LookUp);
}

void FormLookupWindow::LookUp(const QString& typed) {
  entry_->setText(typed);
  LookUpEntry();
}

void FormLookupWindow::LookUpEntry() {
  const LookupAnswer answer = LookUpForm(entry_->text());
  readings_ = answer.readings;
  ShowReadings();
  if (answer.refused) {
    message_->setText(
        entry_->text().trimmed().isEmpty()
            ? QString()
            : QStringLiteral("Escriba una forma de un verbo, de una a pocas palabras."));
    return;
  }
  ShowSuggestions(answer.suggestions);
  if (readings_.empty() && answer.suggestions.isEmpty()) {
    message_->setText(QStringLiteral("«%1» no es ninguna forma de los verbos conocidos.")
                          .arg(entry_->text().trimmed().toHtmlEscaped()));
  }
}

void FormLookupWindow::ShowReadings() {
  list_->clearContents();
  list_->setRowCount(static_cast<int>(readings_.size()));
  for (int row = 0; row < list_->rowCount(); ++row) {
    const LookupReading& reading = readings_[static_cast<std::size_t>(row)];
    const QString title = SpokenTitle(reading.form_name);
    const QString person = reading.pronoun.isEmpty() ? QStringLiteral("—") : reading.pronoun;
    auto* form = new QTableWidgetItem(reading.text);
    MarkEnding(*form, reading.ending_at, reading.ending_length);
    const QStringList texts{reading.infinitive, title, person};
    list_->setItem(row, kForm, form);
    for (int column = kInfinitive; column < kColumnCount; ++column) {
      list_->setItem(row, column, new QTableWidgetItem(texts[column - 1]));
    }
    const QString spoken =
        QStringLiteral("%1, de %2, %3, %4").arg(reading.text, reading.infinitive, title, person);
    for (int column = kForm; column < kColumnCount; ++column) {
      list_->item(row, column)->setData(Qt::AccessibleTextRole, spoken);
    }
  }
  if (!readings_.empty()) list_->setCurrentCell(0, kForm);
}

void FormLookupWindow::ShowSuggestions(const QStringList& suggestions) {
  QStringList links;
  for (const QString& suggestion : suggestions) {
    links.append(QStringLiteral("<a href=\"%1\">%1</a>").arg(suggestion.toHtmlEscaped()));
  }
  message_->setText(links.isEmpty()
                        ? QString()
                        : QStringLiteral("¿Quiso decir %1?").arg(links.join(QStringLiteral(", "))));
}

void FormLookupWindow::OpenRow(int row) {
  if (row < 0 || row >= static_cast<int>(readings_.size()) || !open_reading) return;
  open_reading(readings_[static_cast<std::size_t>(row)]);
}

}  // namespace flexoria::ui
