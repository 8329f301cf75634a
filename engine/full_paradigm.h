// Every form of a verb: the window's thirteen, the compound tenses, the
// whole imperative, the vos forms and, for an entry such as "lavarse", the
// pronominal verb with its pronouns. The simple forms come from real
// requests; the others are built from them and from haber's forms, which
// the engine conjugates itself. Front ends and lookups read it; nothing in
// it is laid out for a screen.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/form_cells.h"
#include "core/vos_forms.h"
#include "engine/conjugation_session.h"
#include "engine/form_table.h"
#include "engine/recording_ui.h"

namespace flexoria {

// Persons 0 to 5 run from yo to ellos; vos comes after them.
inline constexpr int kNoPerson = -1;
inline constexpr int kVos = 6;

struct FullRow {
  int person = kNoPerson;
  TextView person_label;  // "1", "2", "3", "1 1", "2 2", "3 3", "vos"; empty without persons
  TextView pronoun;       // "yo", "tú", "vos", "él/ella/usted", ...; "usted" in the imperative
  TextView clitic;        // a pronominal verb's "me", "te", "se", "nos", "os"; else empty
  Text auxiliary;         // haber's form in a compound tense; else empty
  Text stem;              // the participle's in a compound tense
  Text ending;
  Text text;  // the whole form as written: "he tenido", "no te laves", "lávate"
  // Where the ending stands in `text`, less the letters a joined pronoun dropped.
  std::size_t ending_at = 0;
  std::size_t ending_length = 0;
};

struct FullForm {
  const FormSpec* form = nullptr;
  std::size_t count = 0;
  std::array<FullRow, 7> rows;

  std::span<const FullRow> Rows() const { return {rows.data(), count}; }
};

struct FullParadigmResult {
  Text entry;  // as read (ReadEntry)
  bool pronominal = false;
  // The notices, each once, in the order the requests showed them.
  std::vector<Message> notices;
  // The message of a refused entry; nothing was conjugated then.
  std::optional<Message> refusal;
  // For an infinitive not in the lexicon, the listed ones written like it
  // but for accents ("reir": reír), pronominal when the entry was.
  std::vector<Text> suggestions;
  std::size_t form_count = 0;  // 0 when nothing was conjugated
  std::array<FullForm, kFullParadigmFormCount> forms;

  // In the order of FullParadigmForms().
  std::span<const FullForm> Forms() const { return {forms.data(), form_count}; }
  bool conjugated() const { return form_count > 0; }
};

// One per caller; it keeps its buffers from one verb to the next.
class FullParadigm {
 public:
  FullParadigm();

  // Conjugates `entry` as typed, once read. An infinitive followed by "se" is taken as
  // a pronominal verb. With `vos`, every form with persons gets a vos row
  // after tú's. The result is valid until the next call.
  const FullParadigmResult& Conjugate(TextView entry, bool vos);

 private:
  struct Cell {
    TextView stem;
    TextView ending;
  };

  bool RunSimpleForms(TextView bare, std::array<FormCells, kOptionCount + 1>& into);
  void ChooseParticiple();
  void SuggestAccents();
  Cell VerbCell(int option, int person);
  Cell HaberCell(int option, int person);
  static Cell CellOf(const std::array<FormCells, kOptionCount + 1>& views, int option, int person,
                     TextView verb, VosCells& vos);
  void BuildForm(const FormSpec& form, bool vos, FullForm& out);
  void BuildRow(const FormSpec& form, int person, FullRow& row);
  void Compose(const FormSpec& form, Cell verb, TextView auxiliary, FullRow& row);

  ConjugationSession session_;
  std::array<FormCells, kOptionCount + 1> simple_;  // by option
  std::array<FormCells, kOptionCount + 1> haber_;
  FullParadigmResult result_;
  Text verb_;
  Text participle_;
  Cell participle_cell_;
  VosCells verb_vos_;
  VosCells haber_vos_;
  Text auxiliary_;
  Text joined_;
};

// The message a refused request showed.
Message RefusalMessage(RequestOutcome outcome);

}  // namespace flexoria
