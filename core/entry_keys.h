// SPDX-License-Identifier: GPL-3.0-or-later
// The entry box's remapped keys: six keys of an English keyboard type the
// Spanish letters that it lacks. The window remaps them as they are typed;
// a form typed elsewhere with the same habits is read back through them.
#pragma once

#include <array>

#include "core/char_pairs.h"

namespace flexoria {

// Each key as typed and the letter it types.
inline constexpr std::array<CharPair, 6> kEntryKeyRemaps{{
    {U'\'', U'á'},
    {U';', U'é'},
    {U'`', U'í'},
    {U'\\', U'ó'},
    {U'/', U'ú'},
    {U'[', U'ñ'},
}};

// The letter a key types; any other character as it is.
constexpr char32_t RemappedKey(char32_t typed) { return Paired(typed, kEntryKeyRemaps); }

}  // namespace flexoria
