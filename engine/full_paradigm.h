// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/short_copy.h"
#include "core/vos_forms.h"
#include "engine/conjugation_session.h"
#include "engine/form_table.h"
#include "engine/recording_ui.h"
#include "engine/unused_forms.h"

namespace flexoria {

// Follows the entry: "serse no aparece...".
inline constexpr TextView kUnknownPronominalMessage =
    U" no aparece en nuestra lista de verbos pronominales. Pero si existe, su conjugación será "
    U"como sigue.";

// Persons 0 to 5 run from yo to ellos; vos comes after them.
inline constexpr int kNoPerson = -1;
inline constexpr int kVos = 6;

// How a row names its person: "1" and "yo", "3" and "él/ella/usted" (in
// the imperative "usted"); both empty for kNoPerson.
struct PersonName {
  TextView label;
  TextView pronoun;
};
PersonName NameOfPerson(int person, bool imperative);

// The other forms the Academy accepts in one place, beside a row's text. A
// cell's notation stands for three forms at most ("roig/roy/ro" + "o"), and
// a participle adds its second one: a few views, kept in the row itself so
// that no row allocates.
class OtherForms {
 public:
  static constexpr std::size_t kCapacity = 3;

  const TextView* begin() const { return forms_.data(); }
  const TextView* end() const { return forms_.data() + count_; }
  bool empty() const { return count_ == 0; }
  std::size_t size() const { return count_; }
  void clear() { count_ = 0; }
  // A form past the capacity is not kept; FullParadigm makes room for no more.
  void push_back(TextView form) {
    if (count_ < kCapacity) forms_[count_++] = form;
  }

 private:
  std::array<TextView, kCapacity> forms_{};
  std::size_t count_ = 0;
};

// Its texts are views into the FullParadigm that made it, valid until its
// next Conjugate: a verb has some 150 rows, and copying each one's pieces
// cost more than conjugating it.
struct FullRow {
  int person = kNoPerson;
  TextView person_label;  // "1", "2", "3", "1 1", "2 2", "3 3", "vos"; empty without persons
  TextView pronoun;       // "yo", "tú", "vos", "él/ella/usted", ...; "usted" in the imperative
  TextView clitic;        // a pronominal verb's "me", "te", "se", "nos", "os"; else empty
  TextView auxiliary;     // haber's form in a compound tense; else empty
  TextView stem;          // the participle's in a compound tense
  TextView ending;
  // The whole form as written: "he tenido", "no te laves", "lávate". Empty
  // where RowTexts::kUnlessCells leaves it to `before`, `stem` and `ending`.
  TextView text;
  // The words in `text` before the verb form: "no te ", "he "; empty when a
  // pronoun is joined to it.
  TextView before;
  // Where the ending stands in `text`, less the letters a joined pronoun dropped.
  std::size_t ending_at = 0;
  std::size_t ending_length = 0;
  // Whether the text is `before`, `stem` and `ending` as they are: false
  // when a pronoun is joined or a notation was spelled out.
  bool cells_end_text = true;
  // The other forms the Academy accepts in this place, written whole as
  // `text` is: "he impreso" beside "he imprimido".
  OtherForms also;
  // False for a form the verb lacks (a defective verb's llovizno).
  bool used = true;
};

struct FullForm {
  const FormSpec* form = nullptr;
  std::size_t count = 0;
  std::array<FullRow, 7> rows;
  // The form's part of WordsOf: what its rows write before the verb form.
  int words = 0;

  std::span<const FullRow> Rows() const { return {rows.data(), count}; }
  // What the words before a row's verb form are made of ("no", the
  // clitic, haber's form, by person), and whether the clitic is joined to
  // it instead, as a number: they depend on nothing else, so rows with the
  // same number have the same clitic, auxiliary and words before the verb
  // form, whatever the verb.
  int WordsOf(const FullRow& row) const { return words + row.person - kNoPerson; }
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

// Which rows write their whole text. A reader that writes a text from its
// row's words and cell as it writes them, as the JSON does, spares the
// engine copying every row's.
enum class RowTexts : std::uint8_t {
  kEveryRow,
  kUnlessCells,  // none whose text is its words and its cell (cells_end_text)
};

// One per caller; it keeps its buffers from one verb to the next.
class FullParadigm {
 public:
  explicit FullParadigm(RowTexts texts = RowTexts::kEveryRow);
  // Its rows are laid out pointing at its own cells, so it stays where it
  // was made.
  FullParadigm(const FullParadigm&) = delete;
  FullParadigm& operator=(const FullParadigm&) = delete;

  // Conjugates `entry` as typed, once read. An infinitive followed by "se" is taken as
  // a pronominal verb. With `vos`, every form with persons gets a vos row
  // after tú's. The result is valid until the next call.
  const FullParadigmResult& Conjugate(TextView entry, bool vos);

 private:
  struct Cell {
    TextView stem;
    TextView ending;
  };
  // Where a cell is viewed from: a line of Views, a vos form or the participle.
  struct CellPlace {
    const TextView* stem = nullptr;
    const TextView* ending = nullptr;
    Cell Read() const { return {*stem, *ending}; }
  };
  // The participle haber takes, written whole, and its stem and ending in
  // that text: every row of a compound tense copies it at once.
  struct ParticipleCell {
    Text whole;
    TextView stem;
    TextView ending;
  };
  // Where a row's cell is kept and what it writes before it, laid out with
  // the rest of the row: none of it depends on the verb.
  struct RowPlan {
    CellPlace cell;
    Text before;  // "no te ", "me he ", "he "; empty when the pronoun is joined
  };
  struct FormPlan {
    bool joined = false;      // the pronoun is written onto the verb form: lávate
    bool words = false;       // its rows write words before the verb form
    bool compound = false;    // its rows show haber's participle
    bool participle = false;  // a second participle goes beside the form
    std::array<RowPlan, std::tuple_size_v<decltype(FullForm::rows)>> rows;
  };
  // The plans for one choice of vos and pronominal verb, made the first
  // time it comes: a list of entries may switch at every verb.
  struct Plans {
    bool made = false;
    // Whether the affirmative imperative's rows are planned for the last
    // verb as one the table of sources names (ir), not as any verb.
    bool own_affirmative_sources = false;
    std::array<FormPlan, kFullParadigmFormCount> forms;
  };

  using Views = std::array<FormCells, kOptionCount + 1>;  // by option
  // The two forms vos has of its own, and views of them for the plans,
  // which read every cell as a view.
  struct VosPair {
    VosCells present;
    VosCells imperative;
    Cell present_cell;
    Cell imperative_cell;
  };

  bool RunSimpleForms(TextView bare, Views& into);
  void ChooseParticiple();
  void SuggestAccents();
  static void WriteVosPair(const Views& views, TextView verb, VosPair& into);
  void JoinHaberForms();
  static CellPlace PlaceOf(const Views& views, const VosPair& vos, int option, int person);
  CellPlace PlaceOfRow(const FormSpec& form, int person, TextView verb) const;
  void LayOutRows(bool vos, bool pronominal);
  void LayOutRow(const FormSpec& form, int person, bool pronominal, FullRow& row);
  void PlanForm(const FullForm& out, bool pronominal, FormPlan& plan) const;
  void PlanAffirmativeSources();
  void BuildForms();
  void ClearRowMarks();
  // Inline: 24 forms a verb, each a few rows.
  [[gnu::always_inline]] void BuildForm(const FormPlan& plan, FullForm& out);
  // Inline: they are most of a form's work.
  [[gnu::always_inline]] void BuildRowsAfterWords(const FormPlan& plan, std::span<FullRow> rows);
  [[gnu::always_inline]] void BuildParticipleRows(const FormPlan& plan, std::span<FullRow> rows);
  void BuildJoinedRows(const FormPlan& plan, std::span<FullRow> rows);
  void MakeRoomForTexts();
  void Put(TextView part) { text_end_ = CopyShortChars(text_end_, part.data(), part.size()); }
  void WriteRealForms(FullRow& row);
  TextView KeepOtherForm(const FullRow& row, TextView stem, TextView ending);

  ConjugationSession session_;
  bool every_text_;              // RowTexts::kEveryRow
  bool typed_notation_ = false;  // the entry holds a notation's characters
  // Some cell of the verb may hold a notation: the catalogue wrote one into
  // the state, whence the writers take every notation they show.
  bool cells_hold_notation_ = false;
  Views simple_;
  // Read while the constructor runs only: its cells view the session's
  // state for haber, which the first verb overwrites.
  Views haber_;
  VosPair verb_vos_;
  VosPair haber_vos_;
  // haber's forms written whole, by option and person (vos last), for the
  // compound tenses.
  std::array<std::array<Text, 7>, kOptionCount + 1> haber_forms_;
  std::size_t longest_auxiliary_ = 0;
  FullParadigmResult result_;
  // The plans for each choice of vos and "se" (PlansFor), and those the
  // rows were last laid out for (LayOutRows); null before the first verb.
  std::array<Plans, 4> plans_by_layout_;
  Plans* plans_ = nullptr;
  Plans& PlansFor(bool vos, bool pronominal) {
    return plans_by_layout_[(vos ? 2 : 0) + (pronominal ? 1 : 0)];
  }
  // Whether the last verb marked rows as few verbs do (a form not in use,
  // other forms, real forms written over a notation): the next one clears
  // them first, and the others need not on every row.
  bool rows_marked_ = false;
  Text verb_;
  Text participle_;
  Text second_participle_;
  std::optional<Defect> defect_;  // impreso beside imprimido; empty for most verbs
  ParticipleCell participle_cell_;
  // Whether the verb's cells may hold a notation to spell out as its real
  // forms, and whether the participle haber takes holds one.
  bool notations_ = false;
  bool participle_notation_ = false;
  // Every row's whole text, one after the other. It is made large enough
  // for the verb before the rows are written, so it never moves under
  // their views; `text_end_` is where the next one goes.
  Text texts_;
  char32_t* text_end_ = nullptr;
  Text joined_;
  Text enclitic_;
};

// The message a refused request showed.
Message RefusalMessage(RequestOutcome outcome);

}  // namespace flexoria
