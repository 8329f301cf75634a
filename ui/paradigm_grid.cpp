// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paradigm_grid.h"

#include <array>
#include <string_view>

#include "ui/text_bridge.h"

namespace flexoria::ui {
namespace {

// One style for every tense: the Academy's names, the mood in the heading
// above them; a screen reader hears the mood too.
struct TenseHeading {
  std::string_view name;
  const char16_t* heading;
  const char16_t* spoken;
};

constexpr TenseHeading kTenseHeadings[] = {
    {"presente", u"Presente", u"Presente de indicativo"},
    {"perfecto-compuesto", u"Pretérito perfecto compuesto",
     u"Pretérito perfecto compuesto de indicativo"},
    {"imperfecto", u"Pretérito imperfecto", u"Pretérito imperfecto de indicativo"},
    {"pluscuamperfecto", u"Pretérito pluscuamperfecto",
     u"Pretérito pluscuamperfecto de indicativo"},
    {"perfecto", u"Pretérito perfecto simple", u"Pretérito perfecto simple de indicativo"},
    {"anterior", u"Pretérito anterior", u"Pretérito anterior de indicativo"},
    {"futuro", u"Futuro simple", u"Futuro simple de indicativo"},
    {"futuro-compuesto", u"Futuro compuesto", u"Futuro compuesto de indicativo"},
    {"condicional", u"Condicional simple", u"Condicional simple"},
    {"condicional-compuesto", u"Condicional compuesto", u"Condicional compuesto"},
    {"subj-presente", u"Presente", u"Presente de subjuntivo"},
    {"subj-perfecto", u"Pretérito perfecto compuesto",
     u"Pretérito perfecto compuesto de subjuntivo"},
    {"subj-imperfecto-1", u"Pretérito imperfecto (-ra)",
     u"Pretérito imperfecto de subjuntivo, -ra"},
    {"subj-pluscuamperfecto-1", u"Pretérito pluscuamperfecto (-ra)",
     u"Pretérito pluscuamperfecto de subjuntivo, -ra"},
    {"subj-imperfecto-2", u"Pretérito imperfecto (-se)",
     u"Pretérito imperfecto de subjuntivo, -se"},
    {"subj-pluscuamperfecto-2", u"Pretérito pluscuamperfecto (-se)",
     u"Pretérito pluscuamperfecto de subjuntivo, -se"},
    {"subj-futuro", u"Futuro simple", u"Futuro simple de subjuntivo"},
    {"subj-futuro-compuesto", u"Futuro compuesto", u"Futuro compuesto de subjuntivo"},
    {"imperativo-afirmativo", u"Afirmativo", u"Imperativo afirmativo"},
    {"imperativo-negativo", u"Negativo", u"Imperativo negativo"},
    {"infinitivo", u"Infinitivo", u"Infinitivo"},
    {"gerundio", u"Gerundio", u"Gerundio"},
    {"participio", u"Participio", u"Participio"},
};

// The forms without persons, each beside its compound form: haber, or
// "haberse" for a pronominal verb, before the participle (haber tenido,
// habiéndose lavado).
struct NonFiniteLine {
  std::string_view name;
  const char16_t* compound_name;
  const char16_t* auxiliary;
  const char16_t* pronominal_auxiliary;
  const char16_t* compound_spoken;
};

constexpr NonFiniteLine kNonFiniteLines[] = {
    {"infinitivo", u"infinitivo-compuesto", u"haber", u"haberse", u"Infinitivo compuesto"},
    {"gerundio", u"gerundio-compuesto", u"habiendo", u"habiéndose", u"Gerundio compuesto"},
    {"participio", nullptr, nullptr, nullptr, nullptr},
};

// Each group of columns: its moods, each with the simple tenses it shows
// (their compound tenses beside them). No tenses: the forms without persons.
struct Section {
  const char16_t* mood;
  std::array<std::string_view, 4> simple_forms;
};

constexpr std::array<std::array<Section, 2>, kGridGroups> kGroups{{
    {{{u"Formas no personales", {}}, {u"Indicativo", {"presente", "imperfecto", "perfecto"}}}},
    {{{u"Indicativo", {"futuro", "condicional"}}, {u"Imperativo", {"imperativo-afirmativo"}}}},
    {{{u"Subjuntivo", {"subj-presente", "subj-imperfecto-1", "subj-imperfecto-2", "subj-futuro"}},
      {nullptr, {}}}},
}};

QString Utf16(const char16_t* text) { return QString::fromUtf16(text); }

const TenseHeading& HeadingOf(std::string_view name) {
  for (const TenseHeading& heading : kTenseHeadings) {
    if (heading.name == name) return heading;
  }
  return kTenseHeadings[0];
}

const FullForm* FindShown(const FullParadigmResult& paradigm, std::string_view name) {
  for (const FullForm& form : paradigm.Forms()) {
    if (form.form->name == name) return &form;
  }
  return nullptr;
}

// The compound form shown beside a simple one.
const FullForm* CompoundBeside(const FullParadigmResult& paradigm, std::string_view simple) {
  for (const FormSpec& spec : FullParadigmForms()) {
    if (spec.beside == simple) return FindShown(paradigm, spec.name);
  }
  return nullptr;
}

class GridWriter {
 public:
  GridWriter(const FullParadigmResult& paradigm, ParadigmGrid& grid)
      : paradigm_(paradigm), grid_(grid) {}

  void WriteGroup(int group, const std::array<Section, 2>& sections) {
    row_ = 0;
    column_ = group * kGroupStride;
    for (const Section& section : sections) {
      if (section.mood == nullptr) continue;
      Add(0, kColumnsPerGroup, GridCellKind::kMood, Utf16(section.mood));
      ++row_;
      if (section.simple_forms.front().empty()) WriteNonFinite();
      for (const std::string_view simple : section.simple_forms) {
        if (!simple.empty()) WriteTenses(simple);
      }
    }
    grid_.rows = std::max(grid_.rows, row_);
  }

 private:
  GridCell& Add(int offset, int span, GridCellKind kind, const QString& text) {
    GridCell& cell = grid_.cells.emplace_back();
    cell.row = row_;
    cell.column = column_ + offset;
    cell.column_span = span;
    cell.kind = kind;
    cell.text = text;
    cell.spoken = text;
    return cell;
  }

  // "he imprimido / he impreso": the form and the others the Academy
  // accepts in its place, each after `before`.
  static QString WithOtherForms(const FullRow& row, const QString& before) {
    QString text = before + ToQString(row.text);
    for (const TextView other : row.also) text += QStringLiteral(" / ") + before + ToQString(other);
    return text;
  }

  GridCell& AddForm(int offset, const FullForm& form, const FullRow& row, const QString& spoken) {
    GridCell& cell = Add(offset, 1, GridCellKind::kForm, WithOtherForms(row, QString()));
    cell.used = row.used;
    cell.ending_at = static_cast<qsizetype>(row.ending_at);
    cell.ending_length = static_cast<qsizetype>(row.ending_length);
    cell.form_name =
        QString::fromUtf8(form.form->name.data(), static_cast<qsizetype>(form.form->name.size()));
    cell.person = ToQString(row.person_label);
    const QString pronoun = ToQString(row.pronoun);
    const QString said = pronoun.isEmpty() ? cell.text : pronoun + u' ' + cell.text;
    cell.spoken = said + QStringLiteral(", ") + spoken;
    return cell;
  }

  void WriteNonFinite() {
    const FullForm* participle = FindShown(paradigm_, "participio");
    for (const NonFiniteLine& line : kNonFiniteLines) {
      const FullForm* form = FindShown(paradigm_, line.name);
      if (form == nullptr || form->count == 0) continue;
      const TenseHeading& heading = HeadingOf(line.name);
      Add(0, 1, GridCellKind::kTitle, Utf16(heading.heading));
      AddForm(1, *form, form->rows[0], Utf16(heading.spoken));
      if (line.auxiliary != nullptr && participle != nullptr && participle->count > 0) {
        AddCompoundNonFinite(line, participle->rows[0]);
      }
      ++row_;
    }
  }

  void AddCompoundNonFinite(const NonFiniteLine& line, const FullRow& participle) {
    const QString auxiliary =
        Utf16(paradigm_.pronominal ? line.pronominal_auxiliary : line.auxiliary);
    const QString text = WithOtherForms(participle, auxiliary + u' ');
    GridCell& cell = Add(2, 1, GridCellKind::kForm, text);
    cell.used = participle.used;
    cell.ending_at = auxiliary.size() + 1 + static_cast<qsizetype>(participle.ending_at);
    cell.ending_length = static_cast<qsizetype>(participle.ending_length);
    cell.spoken = text + QStringLiteral(", ") + Utf16(line.compound_spoken);
    cell.form_name = Utf16(line.compound_name);
  }

  void WriteTenses(std::string_view simple_name) {
    const FullForm* simple = FindShown(paradigm_, simple_name);
    if (simple == nullptr) return;
    const FullForm* compound = CompoundBeside(paradigm_, simple_name);
    const TenseHeading& heading = HeadingOf(simple_name);
    Add(0, 2, GridCellKind::kTitle, Utf16(heading.heading)).spoken = Utf16(heading.spoken);
    const TenseHeading* compound_heading =
        compound != nullptr ? &HeadingOf(compound->form->name) : nullptr;
    if (compound_heading != nullptr) {
      Add(2, 1, GridCellKind::kTitle, Utf16(compound_heading->heading)).spoken =
          Utf16(compound_heading->spoken);
    }
    ++row_;
    for (std::size_t at = 0; at < simple->count; ++at) {
      const FullRow& row = simple->rows[at];
      Add(0, 1, GridCellKind::kPronoun, ToQString(row.pronoun));
      AddForm(1, *simple, row, Utf16(heading.spoken));
      if (compound != nullptr && at < compound->count) {
        AddForm(2, *compound, compound->rows[at], Utf16(compound_heading->spoken));
      }
      ++row_;
    }
  }

  const FullParadigmResult& paradigm_;
  ParadigmGrid& grid_;
  int row_ = 0;
  int column_ = 0;
};

}  // namespace

const GridCell* ParadigmGrid::FormCell(const QString& form_name, const QString& person) const {
  for (const GridCell& cell : cells) {
    if (cell.kind == GridCellKind::kForm && cell.form_name == form_name && cell.person == person) {
      return &cell;
    }
  }
  return nullptr;
}

QString SpokenTitle(const QString& form_name) {
  const QByteArray name = form_name.toUtf8();
  for (const TenseHeading& heading : kTenseHeadings) {
    if (heading.name == std::string_view(name.data(), static_cast<std::size_t>(name.size()))) {
      return Utf16(heading.spoken);
    }
  }
  return {};
}

ParadigmGrid LayOutParadigm(const FullParadigmResult& paradigm) {
  ParadigmGrid grid;
  if (!paradigm.conjugated()) return grid;
  grid.columns = kGridGroups * kGroupStride - 1;
  GridWriter writer(paradigm, grid);
  for (int group = 0; group < kGridGroups; ++group) {
    writer.WriteGroup(group, kGroups[static_cast<std::size_t>(group)]);
  }
  return grid;
}

}  // namespace flexoria::ui
