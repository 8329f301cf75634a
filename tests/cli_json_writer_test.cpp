// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON writer's strings: escapes, UTF-8, and texts that do not fit its
// buffer at once.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/json_writer.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

// Written into a string, through the writer's buffer, and in place into
// a JsonOutput, which must come to the same bytes.
std::string Written(TextView text) {
  std::string out;
  JsonOutput in_place;
  const auto write = [text](auto& into) {
    JsonWriter json(into);
    json.String("k", text);
  };
  write(out);
  write(in_place);
  EXPECT_EQ(in_place.view(), out);
  return out;
}

TEST(JsonWriter, StringsAreEscapedOnlyWhereJsonRequires) {
  const std::string file = ReadFile(FLEXORIA_TEST_DATA_DIR "/json_strings.tsv");
  int rows = 0;
  for (const std::string& line : SplitAt(file, '\n')) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> columns = SplitAt(line, '\t');
    ASSERT_EQ(columns.size(), 2u) << line;
    const std::string text = nlohmann::json::parse('"' + columns[0] + '"');
    EXPECT_EQ(Written(U32(text)), "\"k\":" + columns[1]) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 27);
}

TEST(JsonWriter, TextsLongerThanTheBufferGoThroughWhole) {
  Text text;
  std::string expected = "\"k\":\"";
  for (int i = 0; i < 3000; ++i) {
    text += U"añ\"";
    expected += "añ\\\"";
  }
  EXPECT_EQ(Written(text), expected + '"');
}

TEST(JsonWriter, CodePointsUtf8CannotHoldBecomeReplacementCharacters) {
  EXPECT_EQ(Written(Text{U'a', char32_t{0xD800}, U'b', char32_t{0x110000}}),
            "\"k\":\"a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\"");
}

}  // namespace
}  // namespace flexoria::testing
