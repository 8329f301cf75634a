// SPDX-License-Identifier: GPL-3.0-or-later
// "Flexoria: tabla completa": every form of one verb in one table, from
// the forms without persons to the imperative, with copy, print and PDF.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/full_paradigm.h"
#include "ui/paradigm_grid.h"

class QCheckBox;
class QLabel;
class QPrinter;
class QTableWidget;

namespace flexoria::ui {

class RemappedEntry;

class FullTableWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FullTableWindow(QWidget* parent = nullptr);

  // Opens on `verb`, or empty, with the focus in the entry box.
  void OpenOn(const QString& verb);
  // Puts `verb` into the entry box and conjugates it at once.
  void ShowVerb(const QString& verb);
  // The same, with the vos forms or without, and the cell of this form and
  // person made current and selected.
  void ShowVerbAt(const QString& verb, bool vos, const QString& form_name, const QString& person);

  const ParadigmGrid& grid() const { return grid_; }
  QString verb() const { return shown_verb_; }

  // The selected cell, or the whole table when none is selected.
  void CopyToClipboard() const;
  void PrintWithDialog();
  void ExportPdf();
  bool WritePdfTo(const QString& path) const;

  // Asks where the PDF goes, proposing a path; empty for no PDF. A file
  // dialog unless replaced.
  std::function<QString(QWidget* parent, const QString& proposed)> choose_pdf_path;

  // "~/VERB.pdf".
  static QString ProposedPdfPath(const QString& verb);

 signals:
  // The table was filled again (or emptied).
  void conjugated();

 public slots:
  void Conjugate();

 private:
  void BuildControls();
  void BuildShortcuts();
  void ShowGrid();
  void ShowMessages(const FullParadigmResult& result);
  void SizeColumns();
  void FitToTable();
  QString PrintedHtml() const;

  FullParadigm paradigm_;
  ParadigmGrid grid_;
  QString shown_verb_;
  bool fitted_ = false;
  QTimer typing_pause_;
  RemappedEntry* entry_ = nullptr;
  QCheckBox* vos_ = nullptr;
  QLabel* message_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace flexoria::ui
