#include "catalogues/irregular_catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "catalogues/irregular_entry.h"
#include "core/match_kind.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

// One line of irregular_states.tsv: the entry that must answer for a verb
// and the slots it must leave behind.
struct ExpectedState {
  int line = 0;
  int entry = 0;
  std::string text;
  std::map<std::string, std::string> slots;
};

class StateFile {
 public:
  explicit StateFile(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (line.empty() || line[0] == '#') continue;
      const auto fields = SplitAt(line, '\t');
      if (line[0] == '@') {
        AddGroup(fields);
      } else {
        rows_.push_back(Parse(number, fields));
      }
    }
  }
  const std::vector<ExpectedState>& rows() const { return rows_; }

 private:
  // "@Name<TAB>A,B,C" names slots; "@Name<TAB>A=v<TAB>B=w" names pairs.
  void AddGroup(const std::vector<std::string>& fields) {
    const bool pairs = fields.at(1).find('=') != std::string::npos;
    groups_[fields[0].substr(1)] = pairs
                                       ? std::vector<std::string>(fields.begin() + 1, fields.end())
                                       : SplitAt(fields[1], ',');
  }

  ExpectedState Parse(int number, const std::vector<std::string>& fields) const {
    ExpectedState row{number, std::stoi(fields.at(0)), fields.at(1), {}};
    for (std::size_t i = 2; i < fields.size(); ++i) Add(fields[i], row.slots);
    return row;
  }

  // "A,B=v" sets A and B; "Group=v" sets the group's slots; a bare group
  // name stands for its own slot=value pairs.
  void Add(const std::string& field, std::map<std::string, std::string>& slots) const {
    const auto equals = field.find('=');
    if (equals == std::string::npos) {
      for (const std::string& pair : groups_.at(field)) Add(pair, slots);
      return;
    }
    const std::string value = field.substr(equals + 1);
    for (const std::string& key : SplitAt(field.substr(0, equals), ',')) {
      const auto group = groups_.find(key);
      if (group == groups_.end()) {
        slots[key] = value;
      } else {
        for (const std::string& slot : group->second) slots[slot] = value;
      }
    }
  }

  std::map<std::string, std::vector<std::string>> groups_;
  std::vector<ExpectedState> rows_;
};

const std::vector<ExpectedState>& ExpectedStates() {
  static const StateFile file(std::string(FLEXORIA_TEST_DATA_DIR) + "/irregular_states.tsv");
  return file.rows();
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// What a slot holds when no entry writes it: the regular values.
std::map<std::string, std::string> RegularSlots(const std::string& entry_text) {
  const Text entry = U32(entry_text);
  const std::string stem = Utf8(entry.size() == 2 ? entry : entry.substr(0, entry.size() - 2));
  std::map<std::string, std::string> slots{{"Stem", stem}};
  for (const NamedSlot& named : kStemSlots) slots[std::string(named.name)] = stem;
  slots["FutureStem"] = Trimmed(entry_text);
  for (const EndingSlot& ending : kEndingSlots) {
    slots[std::string(ending.name)] = Utf8(ending.regular);
  }
  return slots;
}

TEST(IrregularCatalogue, EveryEntryLeavesTheExpectedState) {
  ASSERT_FALSE(ExpectedStates().empty());
  Desk desk;
  for (const ExpectedState& row : ExpectedStates()) {
    SCOPED_TRACE("irregular_states.tsv line " + std::to_string(row.line) + ": \"" + row.text +
                 "\"");
    const auto* entry = irregular::FirstMatchingEntry(U32(Trimmed(row.text)));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->number, row.entry);

    desk.Conjugate(row.text);
    auto expected = RegularSlots(row.text);
    for (const auto& [name, value] : row.slots) {
      ASSERT_TRUE(expected.contains(name)) << "unknown slot " << name;
      expected[name] = value;
    }
    for (const auto& [name, value] : expected) {
      EXPECT_EQ(Utf8(desk.State().*FindSlot(name)), value) << name;
    }
  }
}

TEST(IrregularCatalogue, ExpectedStatesCoverEveryEntry) {
  std::set<int> covered;
  for (const ExpectedState& row : ExpectedStates()) covered.insert(row.entry);
  for (int number = 1; number <= 85; ++number) EXPECT_TRUE(covered.contains(number)) << number;
}

// Where two tests would both match, the earlier entry answers; 0: none does.
struct Overlap {
  const char* verb;
  int entry;
};

constexpr Overlap kOverlaps[] = {
    {"oler", 43},       {"doler", 18},      {"hendir", 37},      {"rendir", 23},
    {"roer", 53},       {"corroer", 53},    {"decir", 13},       {"maldecir", 13},
    {"bendecir", 13},   {"predecir", 13},   {"ver", 70},         {"prever", 70},
    {"criar", 77},      {"guiar", 77},      {"fotografiar", 77}, {"enfriar", 78},
    {"repatriar", 78},  {"cambiar", 0},     {"estudiar", 0},     {"amar", 0},
    {"Tener", 0},       {"tener", 65},      {"andar", 2},        {"desandar", 2},
    {"mandar", 0},      {"demandar", 0},    {"comandar", 0},     {"agrandar", 0},
    {"ablandar", 0},    {"romper", 75},     {"corromper", 0},    {"pedir", 44},
    {"agredir", 0},     {"transgredir", 0}, {"trasgredir", 0},   {"entender", 64},
    {"pretender", 0},   {"abrir", 76},      {"desabrir", 0},     {"entreabrir", 76},
    {"satisfacer", 56}, {"hacer", 34},      {"traer", 67},       {"raer", 51},
    {"caer", 8},        {"saber", 54},      {"caber", 7},        {"poder", 47},
    {"podrir", 48},     {"sonreír", 52},    {"desoír", 42},      {"volver", 71},
    {"mover", 41},      {"servir", 28},     {"hervir", 58},      {"erguir", 29},
    {"seguir", 57},     {"convertir", 60},  {"preferir", 59},    {"sentir", 21},
    {"ir", 39},         {"ser", 61},        {"vaciar", 78},      {"averiguar", 0},
    {"pudrir", 48},     {"repudrir", 84},   {"dar", 12},
};

TEST(IrregularCatalogue, TheEarlierEntryAnswers) {
  for (const Overlap& overlap : kOverlaps) {
    SCOPED_TRACE(overlap.verb);
    const auto* entry = irregular::FirstMatchingEntry(U32(overlap.verb));
    EXPECT_EQ(entry == nullptr ? 0 : entry->number, overlap.entry);

    ConjugationState state;
    state.Verb = U32(overlap.verb);
    int match_kind = kMatchCleared;
    ApplyIrregularCatalogue(state, state.Verb, match_kind);
    EXPECT_EQ(match_kind, overlap.entry == 0 ? kNoIrregularEntry : kMatchCleared);
  }
}

}  // namespace
}  // namespace flexoria::testing
