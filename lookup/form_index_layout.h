// SPDX-License-Identifier: GPL-3.0-or-later
// Where things stand in the form index's block (form_index.h describes it):
// shared by the builder and the reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace flexoria::form_index_layout {

enum Header : std::size_t {
  kMagic,
  kVerbCount,
  kLabelCount,
  kRuleCount,
  kAutomatonBytes,
  kPoolBytes,
  kVerbSlotCount,
  kReserved,
  kHeaderWords
};
inline constexpr std::uint32_t kBlockMagic = 0x33495846;  // "FXI3"
inline constexpr std::size_t kHeaderBytes = kHeaderWords * 4;
inline constexpr std::size_t kVerbBytes = 8;
inline constexpr std::size_t kLabelStrings = 6;
inline constexpr std::size_t kLabelBytes = kLabelStrings * 4;
inline constexpr std::size_t kRuleBytes = 8;
inline constexpr std::size_t kMostLabels = 255;
inline constexpr std::size_t kMostVerbs = 65535;
inline constexpr std::uint8_t kPronominalBit = 0x80;
inline constexpr std::size_t kLongestEnding = 127;
// The separator between a reading's parts, and the label's bytes.
inline constexpr char kSeparator = '\0';
inline constexpr std::size_t kTailLabelBytes = 3;

// The verbs' slots: open addressing by this hash of the plain verb, which
// a lookup makes of the form's kept bytes and the added ones.
inline std::uint32_t VerbHash(std::string_view head, std::string_view tail) {
  std::uint32_t hash = 2166136261u;
  for (const std::string_view part : {head, tail}) {
    for (const char c : part) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  return hash;
}

}  // namespace flexoria::form_index_layout
