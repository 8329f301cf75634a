// Where things stand in the form index's block (form_index.h describes it):
// shared by the builder and the reader.
#pragma once

#include <cstddef>
#include <cstdint>

namespace flexoria::form_index_layout {

enum Header : std::size_t {
  kMagic,
  kVerbCount,
  kLabelCount,
  kRuleCount,
  kAutomatonBytes,
  kPoolBytes,
  kReserved,
  kReserved2,
  kHeaderWords
};
inline constexpr std::uint32_t kBlockMagic = 0x33495846;  // "FXI3"
inline constexpr std::size_t kHeaderBytes = kHeaderWords * 4;
inline constexpr std::size_t kVerbBytes = 8;
inline constexpr std::size_t kLabelStrings = 6;
inline constexpr std::size_t kLabelBytes = kLabelStrings * 4;
inline constexpr std::size_t kRuleBytes = 8;
inline constexpr std::size_t kMostLabels = 255;
inline constexpr std::size_t kMostVerbs = 65536;
inline constexpr std::uint8_t kPronominalBit = 0x80;
inline constexpr std::size_t kLongestEnding = 127;
// The separator between a reading's parts, and the label's bytes.
inline constexpr char kSeparator = '\0';
inline constexpr std::size_t kTailLabelBytes = 3;

}  // namespace flexoria::form_index_layout
