#include "engine/full_paradigm.h"

#include <algorithm>

#include "core/enclitics.h"
#include "core/participle_choice.h"
#include "engine/restricted_use.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

constexpr TextView kPronominalTail = U"se";
constexpr TextView kNegation = U"no";
constexpr TextView kHaber = U"haber";
constexpr TextView kNonFiniteClitic = U"se";  // lavarse, lavándose
constexpr int kPresente = 1;
constexpr int kSubjPresente = 5;
constexpr int kImperativo = 8;
constexpr int kParticipio = 11;
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

// The window the requests run in: it holds the entry and the option and
// shows nothing, the result telling all.
class SilentUi : public RequestUi {
 public:
  explicit SilentUi(TextView entry) : entry_(entry) {}
  void Select(int option) { option_ = option; }

  TextView EntryText() const override { return entry_; }
  int SelectedOption() const override { return option_; }
  void SetTenseTitle(TextView) override {}
  void SetPersonColumn(TextView) override {}
  void SetResultCells(const FormCells&) override {}
  void SetEndingColour(std::uint32_t) override {}
  void ShowMessage(TextView, TextView) override {}

 private:
  TextView entry_;
  int option_ = 1;
};

}  // namespace

Message RefusalMessage(RequestOutcome outcome) {
  const TextView text =
      outcome == RequestOutcome::kRefusedReflexive ? kReflexiveMessage : kNotInfinitiveMessage;
  return {Text(kRequestTitle), Text(text)};
}

FullParadigm::FullParadigm() {
  RunSimpleForms(kHaber, haber_);
  result_.notices.clear();
}

const FullParadigmResult& FullParadigm::Conjugate(TextView typed, bool vos) {
  ReadEntry(typed, result_.entry);
  const TextView entry = result_.entry;
  result_.notices.clear();
  result_.refusal.reset();
  result_.suggestions.clear();
  result_.form_count = 0;
  result_.pronominal = EndsWith(entry, kPronominalTail);
  const TextView bare =
      result_.pronominal ? entry.substr(0, entry.size() - kPronominalTail.size()) : entry;
  if (!RunSimpleForms(bare, simple_)) return result_;
  verb_.assign(session_.state().Verb);
  if (session_.state().Found != 1) SuggestAccents();
  ChooseParticiple();
  const auto forms = FullParadigmForms();
  for (std::size_t i = 0; i < forms.size(); ++i) BuildForm(forms[i], vos, result_.forms[i]);
  result_.form_count = forms.size();
  return result_;
}

// Each entry is a request of its own, so it gets its notices even when the
// entry before was the same verb.
bool FullParadigm::RunSimpleForms(TextView bare, std::array<FormCells, kOptionCount + 1>& into) {
  session_.ForgetLastVerb();
  SilentUi ui(bare);
  bool restricted_kept = false;
  for (int option = 1; option <= kOptionCount; ++option) {
    ui.Select(option);
    const RequestResult request = session_.RunRequest(ui);
    if (request.unknown_word) {
      result_.notices.push_back({Text(kRequestTitle), Text(kUnknownWordMessage)});
    }
    if (!request.restricted_use_notice.empty() && !restricted_kept) {
      result_.notices.push_back({Text(kRestrictedUseTitle), Text(request.restricted_use_notice)});
      restricted_kept = true;
    }
    if (request.refused()) result_.refusal = RefusalMessage(request.outcome);
    if (!request.shown()) return false;
    into[static_cast<std::size_t>(option)] = *request.cells;
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
  if (chosen.size() == participle_.size()) {
    participle_cell_ = {stem, ending};
  } else if (!ending.empty() && EndsWith(chosen, ending)) {
    participle_cell_ = {chosen.substr(0, chosen.size() - ending.size()), ending};
  } else {
    participle_cell_ = {chosen, {}};
  }
}

FullParadigm::Cell FullParadigm::CellOf(const std::array<FormCells, kOptionCount + 1>& views,
                                        int option, int person, TextView verb, VosCells& vos) {
  const FormCells& cells = views[static_cast<std::size_t>(option)];
  const auto line = [&cells](int person) {
    const auto at = static_cast<std::size_t>(person);
    return Cell{cells.stems[at], cells.endings[at]};
  };
  if (person == kNoPerson) return line(0);
  if (person != kVos) return line(person);
  if (option != kPresente && option != kImperativo) return line(kTu);
  const Cell vosotros = line(kVosotros);
  WriteVos(option == kPresente ? VosForm::kPresent : VosForm::kImperative, verb, vosotros.stem,
           vosotros.ending, vos);
  return {vos.stem, vos.ending};
}

FullParadigm::Cell FullParadigm::VerbCell(int option, int person) {
  return CellOf(simple_, option, person, verb_, verb_vos_);
}

FullParadigm::Cell FullParadigm::HaberCell(int option, int person) {
  return CellOf(haber_, option, person, kHaber, haber_vos_);
}

void FullParadigm::BuildForm(const FormSpec& form, bool vos, FullForm& out) {
  out.form = &form;
  out.count = 0;
  for (const int person : PersonsOf(form.persons)) {
    BuildRow(form, person, out.rows[out.count++]);
    if (vos && person == kTu) BuildRow(form, kVos, out.rows[out.count++]);
  }
}

void FullParadigm::BuildRow(const FormSpec& form, int person, FullRow& row) {
  row.person = person;
  if (person == kNoPerson) {
    row.person_label = row.pronoun = {};
    row.clitic = kNonFiniteClitic;
  } else {
    const PersonNames& names = kPersons[static_cast<std::size_t>(person)];
    row.person_label = names.label;
    row.pronoun = form.mood == Mood::kImperative ? names.imperative_pronoun : names.pronoun;
    row.clitic = names.clitic;
  }
  if (!result_.pronominal || form.clitic == CliticPlace::kNone) row.clitic = {};
  switch (form.composition) {
    case Composition::kWriter:
      Compose(form, VerbCell(form.option, person), {}, row);
      break;
    case Composition::kCompound: {
      const Cell auxiliary = HaberCell(form.source, person);
      auxiliary_.assign(auxiliary.stem).append(auxiliary.ending);
      Compose(form, participle_cell_, auxiliary_, row);
      break;
    }
    case Composition::kImperativeAffirmative:
      Compose(form, VerbCell(AffirmativeSource(verb_, person), person), {}, row);
      break;
    case Composition::kImperativeNegative:
      Compose(form, VerbCell(kSubjPresente, person), {}, row);
      break;
  }
}

void FullParadigm::Compose(const FormSpec& form, Cell verb, TextView auxiliary, FullRow& row) {
  row.auxiliary.assign(auxiliary);
  row.stem.assign(verb.stem);
  row.ending.assign(verb.ending);
  Text& text = row.text;
  if (form.clitic == CliticPlace::kJoinedAfter && !row.clitic.empty()) {
    joined_.assign(verb.stem).append(verb.ending);
    const std::size_t dropped = AttachEnclitic(verb_, joined_, row.clitic, text);
    row.ending_at = verb.stem.size();
    row.ending_length = verb.ending.size() - std::min(dropped, verb.ending.size());
    return;
  }
  text.clear();
  const auto word = [&text](TextView part) {
    if (part.empty()) return;
    text.append(part);
    text.push_back(U' ');
  };
  if (form.composition == Composition::kImperativeNegative) word(kNegation);
  word(row.clitic);
  word(auxiliary);
  row.ending_at = text.size() + verb.stem.size();
  row.ending_length = verb.ending.size();
  text.append(verb.stem).append(verb.ending);
}

}  // namespace flexoria
