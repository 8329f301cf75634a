// The entry box's remapped keys: six keys of an English keyboard type the
// Spanish letters that it lacks. The window remaps them as they are typed;
// a form typed elsewhere with the same habits is read back through them.
#pragma once

#include <array>

namespace flexoria {

struct KeyRemap {
  char32_t typed;
  char32_t becomes;
};

inline constexpr std::array<KeyRemap, 6> kEntryKeyRemaps{{
    {U'\'', U'á'},
    {U';', U'é'},
    {U'`', U'í'},
    {U'\\', U'ó'},
    {U'/', U'ú'},
    {U'[', U'ñ'},
}};

}  // namespace flexoria
