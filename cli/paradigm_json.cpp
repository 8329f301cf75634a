// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/paradigm_json.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "cli/json_text.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "core/short_copy.h"

namespace flexoria {
namespace {

void WriteMessage(JsonWriter& json, const Message& message) {
  json.BeginObject();
  json.String("title", message.title);
  json.Utf8String("text", PlainLines(message.text));
  json.EndObject();
}

// A row's members, in the order they are written; the keys are made when
// the program is compiled, there being so many rows.
constexpr JsonKey kPerson{"person"};
constexpr JsonKey kPronoun{"pronoun"};
constexpr JsonKey kClitic{"clitic"};
constexpr JsonKey kAuxiliary{"auxiliary"};
constexpr JsonKey kStem{"stem"};
constexpr JsonKey kEnding{"ending"};
constexpr JsonKey kText{"text"};

// What stands between a row's texts, padded to one move of 16 bytes.
class Joint {
 public:
  static constexpr std::size_t kPadded = 16;

  consteval explicit Joint(std::string_view text) : size_(text.size()) {
    for (std::size_t i = 0; i < text.size(); ++i) text_[i] = text[i];
  }
  const char* data() const { return text_.data(); }
  std::size_t size() const { return size_; }

 private:
  std::array<char, kPadded> text_{};
  std::size_t size_;
};

constexpr Joint kStemToEnding{R"(","ending":")"};
constexpr Joint kEndingToText{R"(","text":")"};

// The run of a row after its frame, written at `at`. Texts return where
// their JSON stands, for a later piece to copy.
class RowRun {
 public:
  explicit RowRun(char* at) : at_(at) {}
  char* at() const { return at_; }

  [[gnu::always_inline]] std::string_view Text(TextView value) {
    char* const start = at_;
    at_ = WriteJsonText(value, at_);
    return {start, static_cast<std::size_t>(at_ - start)};
  }
  void Put(std::string_view bytes) {
    CopyShort(at_, bytes.data(), bytes.size());
    at_ += bytes.size();
  }
  void Put(const Joint& joint) {
    std::memcpy(at_, joint.data(), Joint::kPadded);
    at_ += joint.size();
  }

 private:
  char* at_;
};

// The row in one run, with one look for room: every verb has some 120
// rows. A text that ends with its stem and ending as they are is the
// frame's words, then their JSON, made just before.
// The run closes the row when `close` says nothing follows the texts.
// False, with nothing written, for texts longer than the writer holds.
bool WriteRowTexts(JsonWriter& json, const FullRow& row, const RowFrame& frame, bool close,
                   SharedCell* shared) {
  const std::size_t cell = row.stem.size() + row.ending.size();
  const std::size_t characters = cell + (row.cells_end_text ? cell : row.text.size());
  char* const start = json.Reserve(frame.head.size() + frame.text_start.size() +
                                   2 * Joint::kPadded + 2 + JsonWriter::kWidest * characters);
  if (start == nullptr) return false;
  RowRun run(start);
  run.Put(frame.head);
  std::string_view stem;
  std::string_view ending;
  if (shared != nullptr && shared->Holds(row)) {
    stem = shared->Stem();
    ending = shared->Ending();
    run.Put(stem);
    run.Put(kStemToEnding);
    run.Put(ending);
  } else {
    stem = run.Text(row.stem);
    run.Put(kStemToEnding);
    ending = run.Text(row.ending);
    if (shared != nullptr) shared->Keep(row, stem, ending);
  }
  if (row.cells_end_text) {
    run.Put(frame.text_start);
    run.Put(stem);
    run.Put(ending);
  } else {
    run.Put(kEndingToText);
    run.Text(row.text);
  }
  run.Put(close ? std::string_view(R"("})") : std::string_view(R"(")"));
  json.Commit(run.at());
  return true;
}

// The row's text whole, put together in `whole` when the engine left it to
// the row's words and cell (RowTexts).
TextView WholeText(const FullRow& row, Text& whole) {
  if (!row.cells_end_text || !row.text.empty()) return row.text;
  whole.resize(row.before.size() + row.stem.size() + row.ending.size());
  auto at = whole.begin();
  for (const TextView part : {row.before, row.stem, row.ending}) {
    at = std::ranges::copy(part, at).out;
  }
  return whole;
}

void WriteRow(JsonWriter& json, const FullRow& row, const RowFrame& frame, SharedCell* shared) {
  const bool texts_only = row.used && row.also.empty();
  if (WriteRowTexts(json, row, frame, texts_only, shared)) {
    if (texts_only) return;
  } else {
    json.BeginObject();
    json.Verbatim(frame.Members());
    json.String(kStem, row.stem);
    json.String(kEnding, row.ending);
    Text whole;
    json.String(kText, WholeText(row, whole));
  }
  if (!row.used) json.Boolean("used", false);
  if (!row.also.empty()) {
    json.BeginArray("also");
    for (const TextView other : row.also) json.Value(other);
    json.EndArray();
  }
  json.EndObject();
}

// `{"option":1,"name":"presente","title":"Presente de Indicativo","rows":[`
// for each form of the table, made once: every verb writes them all.
std::string_view FormOpening(const FormSpec& form) {
  static const auto kOpenings = [] {
    const auto forms = FullParadigmForms();
    std::array<std::string, kFullParadigmFormCount> openings;
    for (std::size_t at = 0; at < forms.size(); ++at) {
      JsonWriter json(openings[at]);
      json.BeginObject();
      if (forms[at].option > 0) {
        json.Number("option", forms[at].option);
      } else {
        json.Null("option");
      }
      json.AsciiString("name", forms[at].name);
      json.String("title", forms[at].title);
      json.BeginArray("rows");
    }
    return openings;
  }();
  return kOpenings[static_cast<std::size_t>(&form - FullParadigmForms().data())];
}

}  // namespace

ParadigmJson::ParadigmJson() : frames_(kFullParadigmFormCount * kFrameSlots) {}

inline const ParadigmJson::FormFrames& ParadigmJson::FramesOf(std::size_t form_at, bool imperative,
                                                              const FullForm& form) {
  FormFrames& frames = form_frames_[form_at];
  if (frames.words == form.words && frames.count == form.count) return frames;
  frames.words = form.words;
  frames.count = form.count;
  for (std::size_t line = 0; line < form.count; ++line) {
    const FullRow& row = form.rows[line];
    frames.rows[line] = &FrameOf(form_at, imperative, form.WordsOf(row), row);
  }
  return frames;
}

void ParadigmJson::WriteForm(JsonWriter& json, const FullForm& form) {
  json.VerbatimOpening(FormOpening(*form.form));
  const bool imperative = form.form->mood == Mood::kImperative;
  const auto form_at = static_cast<std::size_t>(form.form - FullParadigmForms().data());
  // Every row of a compound tense shows the participle.
  SharedCell* const shared =
      form.form->composition == Composition::kCompound ? &participle_ : nullptr;
  const FormFrames& frames = FramesOf(form_at, imperative, form);
  const std::span<const FullRow> rows = form.Rows();
  for (std::size_t line = 0; line < rows.size(); ++line) {
    WriteRow(json, rows[line], *frames.rows[line], shared);
  }
  json.EndArray();
  json.EndObject();
}

// A frame serves its form's rows of one person with the same words; it is
// made again only when other words come, which no verb has today.
void ParadigmJson::MakeFrame(bool imperative, int words, const FullRow& row, RowFrame& frame) {
  frame.words = words;
  frame.head.clear();
  {
    JsonWriter json(frame.head);
    json.BeginObject();
    const PersonName name = NameOfPerson(row.person, imperative);
    json.String(kPerson, name.label);
    json.String(kPronoun, name.pronoun);
    if (!row.clitic.empty()) json.String(kClitic, row.clitic);
    if (!row.auxiliary.empty()) json.String(kAuxiliary, row.auxiliary);
  }
  frame.head.append(RowFrame::kStemOpening);
  const TextView before = row.before;
  frame.text_start.assign(kEndingToText.data(), kEndingToText.size());
  const std::size_t opening = frame.text_start.size();
  frame.text_start.resize(opening + JsonWriter::kWidest * before.size());
  char* const start = frame.text_start.data() + opening;
  frame.text_start.resize(opening + static_cast<std::size_t>(WriteJsonText(before, start) - start));
}

std::string_view ParadigmJson::Line(const FullParadigmResult& paradigm, const FormSpec* only) {
  line_.clear();
  Append(paradigm, only, line_);
  line_.Append("\n");
  return line_.view();
}

void ParadigmJson::Append(const FullParadigmResult& paradigm, const FormSpec* only,
                          JsonOutput& out) {
  participle_.Forget();
  JsonWriter json(out);
  json.BeginObject();
  json.String("verb", paradigm.entry);
  json.Boolean("pronominal", paradigm.pronominal);
  json.BeginArray("notices");
  for (const Message& notice : paradigm.notices) WriteMessage(json, notice);
  json.EndArray();
  if (paradigm.refusal) {
    json.Key("refusal");
    WriteMessage(json, *paradigm.refusal);
  } else {
    json.Null("refusal");
  }
  json.BeginArray("suggestions");
  for (const Text& suggestion : paradigm.suggestions) json.Utf8Value(EncodeUtf8(suggestion));
  json.EndArray();
  json.BeginArray("forms");
  for (const FullForm& form : paradigm.Forms()) {
    if (only == nullptr || only == form.form) WriteForm(json, form);
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace flexoria
