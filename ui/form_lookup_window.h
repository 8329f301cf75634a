// SPDX-License-Identifier: GPL-3.0-or-later
// "Flexoria: buscar una forma": a form, or a few words, back to the verb
// they belong to, one reading a row; each reading opens its verb's table.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "ui/form_lookup_adapter.h"

class QLabel;
class QTableWidget;

namespace flexoria::ui {

class RemappedEntry;

class FormLookupWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FormLookupWindow(QWidget* parent = nullptr);

  // Puts `typed` into the entry box and looks it up.
  void LookUp(const QString& typed);
  const std::vector<LookupReading>& readings() const { return readings_; }

  // Shows a reading in its verb's full table.
  std::function<void(const LookupReading&)> open_reading;

 public slots:
  void LookUpEntry();

 private:
  void ShowReadings();
  void ShowSuggestions(const QStringList& suggestions);
  void OpenRow(int row);

  std::vector<LookupReading> readings_;
  RemappedEntry* entry_ = nullptr;
  QLabel* message_ = nullptr;
  QTableWidget* list_ = nullptr;
};

}  // namespace flexoria::ui
