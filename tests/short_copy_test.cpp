// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/short_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace flexoria {
namespace {

// Lengths go by steps of their own (one byte, two overlapping blocks of 2,
// 4, 8, 16, 32 or 64 bytes, or a call): every length to past the last step
// is copied whole, and nothing after it is written.
TEST(ShortCopy, EveryLengthCopiedWholeAndNoFurther) {
  std::string source(300, '\0');
  for (std::size_t at = 0; at < source.size(); ++at) source[at] = static_cast<char>('a' + at % 26);
  for (std::size_t length = 0; length <= 260; ++length) {
    std::string target(source.size(), '#');
    CopyShort(target.data(), source.data(), length);
    EXPECT_EQ(target.substr(0, length), source.substr(0, length)) << length;
    EXPECT_EQ(target.find_first_not_of('#', length), std::string::npos) << length;
  }
}

// Two texts of the same length that differ in any one character differ.
TEST(ShortCopy, SameShortTextSeesEveryCharacter) {
  for (std::size_t length = 1; length <= 40; ++length) {
    const std::u32string text(length, U'a');
    EXPECT_TRUE(SameShortText(text, std::u32string(text))) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::u32string other = text;
      other[at] = U'á';
      EXPECT_FALSE(SameShortText(text, other)) << length << " at " << at;
    }
  }
}

}  // namespace
}  // namespace flexoria
