// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/full_paradigm.h"

#include <algorithm>
#include <utility>

#include "catalogues/second_participles.h"
#include "core/cell_notation.h"
#include "core/enclitics.h"
#include "core/participle_choice.h"
#include "engine/restricted_use.h"
#include "lexicon/lexicon.h"
#include "lexicon/pronominal_verbs.h"

namespace flexoria {
namespace {

constexpr TextView kPronominalTail = U"se";
constexpr TextView kNegation = U"no";
constexpr TextView kHaber = U"haber";
constexpr TextView kNonFiniteClitic = U"se";  // lavarse, lavándose
constexpr int kVosotros = 4;
constexpr int kTu = 1;

struct PersonNames {
  TextView label;
  TextView pronoun;
  TextView imperative_pronoun;
  TextView clitic;
};

constexpr std::array<PersonNames, 7> kPersons{{
    {U"1", U"yo", U"yo", U"me"},
    {U"2", U"tú", U"tú", U"te"},
    {U"3", U"él/ella/usted", U"usted", U"se"},
    {U"1 1", U"nosotros", U"nosotros", U"nos"},
    {U"2 2", U"vosotros", U"vosotros", U"os"},
    {U"3 3", U"ellos/ustedes", U"ustedes", U"se"},
    {U"vos", U"vos", U"vos", U"te"},
}};

// The persons of each kind of form; a person's line in the window's views
// is its number.
constexpr std::array<int, 6> kSixPersons{0, 1, 2, 3, 4, 5};
constexpr std::array<int, 2> kWindowImperative{kTu, kVosotros};
constexpr std::array<int, 5> kWholeImperative{1, 2, 3, 4, 5};
constexpr std::array<int, 1> kWithoutPersons{kNoPerson};

std::span<const int> PersonsOf(PersonLabels labels) {
  switch (labels) {
    case PersonLabels::kSixPersons:
      return kSixPersons;
    case PersonLabels::kImperative:
      return kWindowImperative;
    case PersonLabels::kWholeImperative:
      return kWholeImperative;
    case PersonLabels::kNoPersons:
      break;
  }
  return kWithoutPersons;
}

// Where each person of the affirmative imperative comes from, first match
// first (an empty verb: any verb); the other persons take the present
// subjunctive.
struct ImperativeSource {
  TextView verb;
  int person;
  int option;
};

constexpr std::array<ImperativeSource, 4> kAffirmativeSources{{
    {U"ir", 3, kPresente},  // vamos (vámonos), not vayamos
    {U"", kTu, kImperativo},
    {U"", kVos, kImperativo},
    {U"", kVosotros, kImperativo},
}};

int AffirmativeSource(TextView verb, int person) {
  for (const ImperativeSource& source : kAffirmativeSources) {
    if ((source.verb.empty() || source.verb == verb) && source.person == person) {
      return source.option;
    }
  }
  return kSubjPresente;
}

// What a row holds of its cell and its text, the verb form after the row's
// words. Inline: every row is made so, and a call would pass them through
// memory.
[[gnu::always_inline]] inline void SetRowText(TextView stem, TextView ending, TextView text,
                                              FullRow& row) {
  row.stem = stem;
  row.ending = ending;
  row.text = text;
  row.ending_at = row.before.size() + stem.size();
  row.ending_length = ending.size();
}

// A row as most verbs leave it: in use, with no other forms, and its text
// ending with its cell unless the pronoun is joined to it.
void ClearMarks(bool joined, FullRow& row) {
  row.cells_end_text = !joined;
  row.also.clear();
  row.used = true;
}

// lávate, lavándose: a pronominal verb's pronoun is written onto these forms.
bool JoinsPronoun(const FormSpec& form, const FullRow& row) {
  return form.clitic == CliticPlace::kJoinedAfter && !row.clitic.empty();
}

// Whether some row of the table is for `verb` alone.
bool HasOwnAffirmativeSources(TextView verb) {
  return std::ranges::any_of(kAffirmativeSources, [verb](const ImperativeSource& source) {
    return !source.verb.empty() && source.verb == verb;
  });
}

// FullForm::words for `form`: what FullParadigm::PlanForm writes before the
// verb form, but for the person.
int WordsOfForm(const FormSpec& form, bool pronominal) {
  const int auxiliary = form.composition == Composition::kCompound ? 1 + form.source : 0;
  const bool clitic = pronominal && form.clitic != CliticPlace::kNone;
  const bool joined = clitic && form.clitic == CliticPlace::kJoinedAfter;
  const bool negative = form.composition == Composition::kImperativeNegative;
  constexpr int kPersonCount = kVos - kNoPerson + 1;
  return (((auxiliary * 2 + (clitic ? 1 : 0)) * 2 + (negative ? 1 : 0)) * 2 + (joined ? 1 : 0)) *
         kPersonCount;
}

// The window the request runs in: it holds the entry, selects the first
// form and shows nothing, the result telling all.
class SilentUi : public RequestUi {
 public:
  explicit SilentUi(TextView entry) : entry_(entry) {}

  TextView EntryText() const override { return entry_; }
  int SelectedOption() const override { return 1; }
  void SetTenseTitle(TextView) override {}
  void SetPersonColumn(TextView) override {}
  void SetResultCells(const FormCells&) override {}
  void SetEndingColour(std::uint32_t) override {}
  void ShowMessage(TextView, TextView) override {}

 private:
  TextView entry_;
};

// The window's cells that stand for more than one form mark it so. Cells
// are a few letters long: a plain loop that stops at the first mark beats a
// vectorised one, whose set-up costs more than the letters.
bool HasNotation(TextView stem, TextView ending) {
  for (const char32_t c : stem) {
    if (c == U'/' || c == U'(') return true;
  }
  for (const char32_t c : ending) {
    if (c == U'(') return true;
  }
  return false;
}

}  // namespace

PersonName NameOfPerson(int person, bool imperative) {
  if (person == kNoPerson) return {};
  const PersonNames& names = kPersons[static_cast<std::size_t>(person)];
  return {names.label, imperative ? names.imperative_pronoun : names.pronoun};
}

Message RefusalMessage(RequestOutcome outcome) {
  const TextView text =
      outcome == RequestOutcome::kRefusedReflexive ? kReflexiveMessage : kNotInfinitiveMessage;
  return {Text(kRequestTitle), Text(text)};
}

FullParadigm::FullParadigm(RowTexts texts) : every_text_(texts == RowTexts::kEveryRow) {
  RunSimpleForms(kHaber, haber_);
  WriteVosPair(haber_, kHaber, haber_vos_);
  JoinHaberForms();
  result_.notices.clear();
}

const FullParadigmResult& FullParadigm::Conjugate(TextView typed, bool vos) {
  ReadEntry(typed, result_.entry);
  const TextView entry = result_.entry;
  // No infinitive holds these: a cell that shows them shows what was typed,
  // not one of the catalogues' notations.
  typed_notation_ = entry.find_first_of(U"/()") != TextView::npos;
  result_.notices.clear();
  result_.refusal.reset();
  result_.suggestions.clear();
  result_.form_count = 0;
  result_.pronominal = EndsWith(entry, kPronominalTail);
  const TextView bare =
      result_.pronominal ? entry.substr(0, entry.size() - kPronominalTail.size()) : entry;
  if (!RunSimpleForms(bare, simple_)) return result_;
  verb_.assign(session_.state().Verb);
  // An unknown verb has had its notice; a known one may still have no
  // pronominal use.
  if (result_.pronominal && session_.state().Found == 1 && !HasPronominalUse(verb_)) {
    Text message = verb_;
    message.append(kPronominalTail).append(kUnknownPronominalMessage);
    result_.notices.push_back({Text(kRequestTitle), std::move(message)});
  }
  if (session_.state().Found != 1) SuggestAccents();
  ChooseParticiple();
  WriteSecondParticiple(verb_, second_participle_);
  defect_ = DefectOf(verb_);
  cells_hold_notation_ = session_.state().HoldsNotation;
  if (vos) WriteVosPair(simple_, verb_, verb_vos_);
  MakeRoomForTexts();
  if (plans_ != &PlansFor(vos, result_.pronominal)) LayOutRows(vos, result_.pronominal);
  PlanAffirmativeSources();
  BuildForms();
  result_.form_count = result_.forms.size();
  return result_;
}

// Each entry is a request of its own, so it gets its notices even when the
// entry before was the same verb. What one request shows or refuses, the
// others would too: only the form differs, and that the session writes
// straight into its place.
bool FullParadigm::RunSimpleForms(TextView bare, std::array<FormCells, kOptionCount + 1>& into) {
  session_.ForgetLastVerb();
  SilentUi ui(bare);
  const RequestResult request = session_.PrepareRequest(ui);
  if (request.unknown_word) {
    result_.notices.push_back({Text(kRequestTitle), Text(kUnknownWordMessage)});
  }
  if (!request.restricted_use_notice.empty()) {
    result_.notices.push_back({Text(kRestrictedUseTitle), Text(request.restricted_use_notice)});
  }
  if (request.refused()) result_.refusal = RefusalMessage(request.outcome);
  if (!request.shown()) return false;
  for (const FormSpec& form : AllForms()) {
    session_.WriteForm(form, into[static_cast<std::size_t>(form.option)]);
  }
  return true;
}

void FullParadigm::SuggestAccents() {
  for (const TextView verb : SameWithoutAccents(verb_)) {
    Text& suggestion = result_.suggestions.emplace_back(verb);
    if (result_.pronominal) suggestion += kPronominalTail;
  }
}

void FullParadigm::ChooseParticiple() {
  const FormCells& cells = simple_[kParticipio];
  const TextView stem = cells.stems[0];
  const TextView ending = cells.endings[0];
  participle_.assign(stem).append(ending);
  const TextView chosen = ParticipleWithHaber(participle_);
  // The cell's ending, where the participle haber takes keeps it.
  TextView written = chosen;
  std::size_t stem_size = chosen.size();
  if (chosen.size() == participle_.size()) {
    written = participle_;
    stem_size = stem.size();
  } else if (!ending.empty() && EndsWith(chosen, ending)) {
    stem_size = chosen.size() - ending.size();
  }
  Text& whole = participle_cell_.whole;
  CopyShortText(whole, written);
  participle_cell_.stem = TextView(whole).substr(0, stem_size);
  participle_cell_.ending = TextView(whole).substr(stem_size);
}

void FullParadigm::WriteVosPair(const Views& views, TextView verb, VosPair& into) {
  const auto vosotros = [&views](int option) -> const FormCells& {
    return views[static_cast<std::size_t>(option)];
  };
  const FormCells& present = vosotros(kPresente);
  WriteVos(VosForm::kPresent, verb, present.stems[kVosotros], present.endings[kVosotros],
           into.present);
  const FormCells& imperative = vosotros(kImperativo);
  WriteVos(VosForm::kImperative, verb, imperative.stems[kVosotros], imperative.endings[kVosotros],
           into.imperative);
  into.present_cell = {into.present.stem, into.present.ending};
  into.imperative_cell = {into.imperative.stem, into.imperative.ending};
}

void FullParadigm::JoinHaberForms() {
  for (int option = 1; option <= kOptionCount; ++option) {
    auto& forms = haber_forms_[static_cast<std::size_t>(option)];
    for (int person = 0; person <= kVos; ++person) {
      Text& form = forms[static_cast<std::size_t>(person)];
      const Cell cell = PlaceOf(haber_, haber_vos_, option, person).Read();
      form.assign(cell.stem).append(cell.ending);
      longest_auxiliary_ = std::max(longest_auxiliary_, form.size());
    }
  }
}

FullParadigm::CellPlace FullParadigm::PlaceOf(const Views& views, const VosPair& vos, int option,
                                              int person) {
  const FormCells& cells = views[static_cast<std::size_t>(option)];
  const auto line = [&cells](int person) {
    const auto at = static_cast<std::size_t>(person);
    return CellPlace{&cells.stems[at], &cells.endings[at]};
  };
  if (person == kNoPerson) return line(0);
  if (person != kVos) return line(person);
  if (option == kPresente) return {&vos.present_cell.stem, &vos.present_cell.ending};
  if (option == kImperativo) return {&vos.imperative_cell.stem, &vos.imperative_cell.ending};
  return line(kTu);
}

// `verb` empty: for any verb, as the rows are laid out.
FullParadigm::CellPlace FullParadigm::PlaceOfRow(const FormSpec& form, int person,
                                                 TextView verb) const {
  switch (form.composition) {
    case Composition::kWriter:
      break;
    case Composition::kCompound:
      return {&participle_cell_.stem, &participle_cell_.ending};
    case Composition::kImperativeAffirmative:
      return PlaceOf(simple_, verb_vos_, AffirmativeSource(verb, person), person);
    case Composition::kImperativeNegative:
      return PlaceOf(simple_, verb_vos_, kSubjPresente, person);
  }
  return PlaceOf(simple_, verb_vos_, form.option, person);
}

// A row's text is at most "no", a pronoun and haber's form, each with its
// space, before the verb's longest cell; a joined pronoun adds no more. Its
// other forms are each no longer than that: a notation's forms are shorter
// than the notation.
void FullParadigm::MakeRoomForTexts() {
  constexpr std::size_t kLongestPronoun = 3;  // nos
  std::size_t longest_cell = std::max(participle_cell_.stem.size() + participle_cell_.ending.size(),
                                      second_participle_.size());
  const auto measure = [&longest_cell](TextView stem, TextView ending) {
    longest_cell = std::max(longest_cell, stem.size() + ending.size());
  };
  for (const FormCells& cells : simple_) {
    for (std::size_t line = 0; line < cells.stems.size(); ++line) {
      measure(cells.stems[line], cells.endings[line]);
    }
  }
  for (const VosCells* vos : {&verb_vos_.present, &verb_vos_.imperative}) {
    measure(vos->stem, vos->ending);
  }
  const std::size_t longest_row =
      kNegation.size() + kLongestPronoun + longest_auxiliary_ + 3 + longest_cell;
  const std::size_t rows = kFullParadigmFormCount * std::tuple_size_v<decltype(FullForm::rows)>;
  const std::size_t room = rows * (1 + OtherForms::kCapacity) * longest_row;
  if (texts_.size() < room) texts_.resize(room);
  text_end_ = texts_.data();
}

// What a row shows besides its verb form (its person, pronoun, clitic and
// haber's form, and so the words before the verb form) and where its cell
// is kept are the same for every verb with the same choices of vos and
// pronominal verb: they are laid out when those change, not for each verb,
// and the plans are kept for each choice.
void FullParadigm::LayOutRows(bool vos, bool pronominal) {
  Plans& plans = PlansFor(vos, pronominal);
  const auto forms = FullParadigmForms();
  for (std::size_t at = 0; at < forms.size(); ++at) {
    const FormSpec& form = forms[at];
    FullForm& out = result_.forms[at];
    out.form = &form;
    out.count = 0;
    out.words = WordsOfForm(form, pronominal);
    for (const int person : PersonsOf(form.persons)) {
      LayOutRow(form, person, pronominal, out.rows[out.count++]);
      if (vos && person == kTu) LayOutRow(form, kVos, pronominal, out.rows[out.count++]);
    }
    FormPlan& plan = plans.forms[at];
    if (!plans.made) PlanForm(out, pronominal, plan);
    for (std::size_t line = 0; line < out.count; ++line) {
      out.rows[line].before = plan.rows[line].before;
    }
  }
  plans.made = true;
  plans_ = &plans;
}

void FullParadigm::LayOutRow(const FormSpec& form, int person, bool pronominal, FullRow& row) {
  row.person = person;
  const PersonName name = NameOfPerson(person, form.mood == Mood::kImperative);
  row.person_label = name.label;
  row.pronoun = name.pronoun;
  row.clitic =
      person == kNoPerson ? kNonFiniteClitic : kPersons[static_cast<std::size_t>(person)].clitic;
  if (!pronominal || form.clitic == CliticPlace::kNone) row.clitic = {};
  row.auxiliary = {};
  if (form.composition == Composition::kCompound) {
    const auto& forms = haber_forms_[static_cast<std::size_t>(form.source)];
    row.auxiliary = forms[static_cast<std::size_t>(std::max(person, 0))];
  }
  ClearMarks(JoinsPronoun(form, row), row);
}

void FullParadigm::PlanForm(const FullForm& out, bool pronominal, FormPlan& plan) const {
  const FormSpec& form = *out.form;
  plan.joined = pronominal && form.clitic == CliticPlace::kJoinedAfter;
  plan.compound = form.composition == Composition::kCompound;
  plan.participle = plan.compound || form.option == kParticipio;
  plan.words = false;
  for (std::size_t line = 0; line < out.count; ++line) {
    const FullRow& row = out.rows[line];
    RowPlan& row_plan = plan.rows[line];
    row_plan.cell = PlaceOfRow(form, row.person, {});
    row_plan.before.clear();
    const auto word = [&row_plan](TextView part) {
      if (!part.empty()) row_plan.before.append(part).push_back(U' ');
    };
    if (!JoinsPronoun(form, row)) {
      if (form.composition == Composition::kImperativeNegative) word(kNegation);
      word(row.clitic);
      word(row.auxiliary);
    }
    plan.words = plan.words || !row_plan.before.empty();
  }
}

// The table of sources may name a verb of its own (ir: vamos, not vayamos).
// Only for such a verb are its rows planned again, and planned back for
// the verb after it.
void FullParadigm::PlanAffirmativeSources() {
  const bool own = HasOwnAffirmativeSources(verb_);
  if (!own && !plans_->own_affirmative_sources) return;
  plans_->own_affirmative_sources = own;
  const TextView verb = own ? TextView(verb_) : TextView();
  for (std::size_t at = 0; at < result_.forms.size(); ++at) {
    const FullForm& form = result_.forms[at];
    if (form.form->composition != Composition::kImperativeAffirmative) continue;
    for (std::size_t line = 0; line < form.count; ++line) {
      plans_->forms[at].rows[line].cell = PlaceOfRow(*form.form, form.rows[line].person, verb);
    }
  }
}

void FullParadigm::BuildForms() {
  if (rows_marked_) ClearRowMarks();
  notations_ = cells_hold_notation_ && !typed_notation_;
  participle_notation_ = notations_ && HasNotation(participle_cell_.stem, participle_cell_.ending);
  const std::span<const FormPlan> plans = plans_->forms;
  for (std::size_t at = 0; at < plans.size(); ++at) BuildForm(plans[at], result_.forms[at]);
  rows_marked_ = notations_ || defect_ || !second_participle_.empty();
}

void FullParadigm::ClearRowMarks() {
  for (std::size_t at = 0; at < result_.forms.size(); ++at) {
    FullForm& form = result_.forms[at];
    const bool joined = plans_->forms[at].joined;
    for (FullRow& row : std::span(form.rows).first(form.count)) ClearMarks(joined, row);
  }
  rows_marked_ = false;
}

inline void FullParadigm::BuildForm(const FormPlan& plan, FullForm& out) {
  const std::span rows(out.rows.data(), out.count);
  if (plan.joined) {
    BuildJoinedRows(plan, rows);
  } else if (plan.compound && !participle_notation_) {
    BuildParticipleRows(plan, rows);
  } else {
    BuildRowsAfterWords(plan, rows);
  }
  if (plan.participle && !second_participle_.empty()) {
    for (FullRow& row : rows) row.also.push_back(KeepOtherForm(row, second_participle_, {}));
  }
  if (defect_) {
    for (FullRow& row : rows) row.used = FormInUse(*defect_, *out.form, row.person, row.ending);
  }
}

// Each row's text is its words, laid out before, then its cell as it is;
// one in a notation is then written over with the forms it stands for.
// The loops write through a pointer of their own: a copy of characters may
// alias any object, and a member would be read again after each.
inline void FullParadigm::BuildRowsAfterWords(const FormPlan& plan, std::span<FullRow> rows) {
  const bool words = plan.words;
  const bool notations = notations_;
  const bool every_text = every_text_;
  char32_t* at = text_end_;
  for (std::size_t line = 0; line < rows.size(); ++line) {
    const RowPlan& row_plan = plan.rows[line];
    const TextView before = row_plan.before;
    const Cell verb = row_plan.cell.Read();
    FullRow& row = rows[line];
    const bool notation = notations && HasNotation(verb.stem, verb.ending);
    if (!every_text && !notation) {
      SetRowText(verb.stem, verb.ending, {}, row);
      continue;
    }
    char32_t* const start = at;
    if (words) at = CopyShortChars(at, before.data(), before.size());
    at = CopyShortChars(at, verb.stem.data(), verb.stem.size());
    at = CopyShortChars(at, verb.ending.data(), verb.ending.size());
    SetRowText(verb.stem, verb.ending, TextView(start, static_cast<std::size_t>(at - start)), row);
    if (notation) {
      text_end_ = at;
      WriteRealForms(row);
      at = text_end_;
    }
  }
  text_end_ = at;
}

// Every row of a compound tense is haber's form and the participle, which
// is copied whole.
inline void FullParadigm::BuildParticipleRows(const FormPlan& plan, std::span<FullRow> rows) {
  const TextView stem = participle_cell_.stem;
  const TextView ending = participle_cell_.ending;
  const TextView whole = participle_cell_.whole;
  if (!every_text_) {
    for (FullRow& row : rows) SetRowText(stem, ending, {}, row);
    return;
  }
  char32_t* at = text_end_;
  for (std::size_t line = 0; line < rows.size(); ++line) {
    const TextView before = plan.rows[line].before;
    char32_t* const start = at;
    at = CopyShortChars(at, before.data(), before.size());
    at = CopyShortChars(at, whole.data(), whole.size());
    SetRowText(stem, ending, TextView(start, static_cast<std::size_t>(at - start)), rows[line]);
  }
  text_end_ = at;
}

// lávate, lavándose: the pronoun goes onto the verb form, which may take an
// accent or drop a letter for it.
void FullParadigm::BuildJoinedRows(const FormPlan& plan, std::span<FullRow> rows) {
  for (std::size_t line = 0; line < rows.size(); ++line) {
    const Cell verb = plan.rows[line].cell.Read();
    FullRow& row = rows[line];
    joined_.assign(verb.stem).append(verb.ending);
    const std::size_t dropped = AttachEnclitic(verb_, joined_, row.clitic, enclitic_);
    char32_t* const start = text_end_;
    Put(enclitic_);
    SetRowText(verb.stem, verb.ending, TextView(start, static_cast<std::size_t>(text_end_ - start)),
               row);
    row.ending_length -= std::min(dropped, verb.ending.size());
  }
}

// "irg-/yerg" + "o": the text is the first real form (irgo), written over
// the notation, which is at least as long; the others (yergo) follow it in
// `also`, after the same words.
void FullParadigm::WriteRealForms(FullRow& row) {
  const Cell verb{row.stem, row.ending};
  char32_t* const start = text_end_ - row.text.size();
  const std::size_t notation = verb.stem.size() + verb.ending.size();
  bool first = true;
  ForEachAlternative(verb.stem, verb.ending, [&](TextView stem, TextView ending) {
    // The catalogues' notations spell a few forms, each shorter than the
    // notation, and the room was made for that. Brackets and slashes typed
    // into an entry ("(!arse") may spell more, or longer ones: those are
    // no forms, and are left out.
    if (stem.size() + ending.size() > notation) return;
    if (!first) {
      if (row.also.size() < OtherForms::kCapacity) {
        row.also.push_back(KeepOtherForm(row, stem, ending));
      }
      return;
    }
    text_end_ = start + row.before.size();
    row.cells_end_text = false;
    Put(stem);
    Put(ending);
    row.text = TextView(start, static_cast<std::size_t>(text_end_ - start));
    row.ending_at = row.before.size() + stem.size();
    row.ending_length = ending.size();
    first = false;
  });
}

// Writes the row's words before its verb form, then `stem` and `ending`,
// at text_end_, and returns them.
TextView FullParadigm::KeepOtherForm(const FullRow& row, TextView stem, TextView ending) {
  char32_t* const start = text_end_;
  Put(row.before);
  Put(stem);
  Put(ending);
  return {start, static_cast<std::size_t>(text_end_ - start)};
}

}  // namespace flexoria
