// The short names by which the command line picks one of the thirteen form
// options, in the order the main window groups them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace flexoria {

struct FormName {
  std::string_view name;
  int option;
};

inline constexpr std::array<FormName, 13> kFormNames{{
    {"presente", 1},
    {"perfecto", 2},
    {"imperfecto", 3},
    {"futuro", 4},
    {"subj-presente", 5},
    {"subj-imperfecto-1", 6},
    {"subj-imperfecto-2", 13},
    {"subj-futuro", 7},
    {"imperativo", 8},
    {"condicional", 9},
    {"infinitivo", 10},
    {"participio", 11},
    {"gerundio", 12},
}};

// The option for "1" to "13" or for a short name (any letter case); nothing
// for anything else.
std::optional<int> ParseFormOption(std::string_view text);

// The short name of an option from 1 to 13.
std::string_view ShortFormName(int option);

}  // namespace flexoria
