// SPDX-License-Identifier: GPL-3.0-or-later
// The whole paradigm laid out as a grid of cells, the way the Academy's
// tables read: the forms without persons first, then each simple tense
// beside its compound one, mood by mood, in three groups of columns that
// fit one screen. The table window shows it; copying, printing and the
// PDF read the same grid.
#pragma once

#include <QString>
#include <vector>

#include "engine/full_paradigm.h"

namespace flexoria::ui {

enum class GridCellKind { kMood, kTitle, kPronoun, kForm };

struct GridCell {
  int row = 0;
  int column = 0;
  int column_span = 1;
  GridCellKind kind = GridCellKind::kForm;
  QString text;
  qsizetype ending_at = 0;  // where the ending stands in `text` (forms only)
  qsizetype ending_length = 0;
  QString spoken;  // what a screen reader says: "yo tengo, Presente de indicativo"
  // The form's short name; "infinitivo-compuesto" and "gerundio-compuesto"
  // for the two compound forms that only the table builds.
  QString form_name;
  QString person;    // the person's label ("1", "2 2", "vos"); empty without persons
  bool used = true;  // false for a form the verb lacks in use (lloviznar's "llovizno")
};

struct ParadigmGrid {
  int rows = 0;
  int columns = 0;
  std::vector<GridCell> cells;

  // The form cell of this form and person, or nothing.
  const GridCell* FormCell(const QString& form_name, const QString& person) const;
};

// Three columns (person, simple tense, compound tense) in each group, and
// an empty one between two groups.
inline constexpr int kGridGroups = 3;
inline constexpr int kColumnsPerGroup = 3;
inline constexpr int kGroupStride = kColumnsPerGroup + 1;

// The title a form is read out with ("Presente de indicativo"); empty for
// a name no form has.
QString SpokenTitle(const QString& form_name);

// The grid of a conjugated paradigm; an empty grid when nothing was conjugated.
ParadigmGrid LayOutParadigm(const FullParadigmResult& paradigm);

}  // namespace flexoria::ui
