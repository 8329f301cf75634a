#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;

TEST(Request, RegularPresentOfHablar) {
  Desk desk;
  desk.Conjugate("hablar", kPresente);
  EXPECT_EQ(desk.ui.stems(), U"\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl");
  EXPECT_EQ(desk.ui.endings(), U"\r\no\r\nas\r\na\r\namos\r\náis\r\nan");
  EXPECT_EQ(desk.ui.title(), U"Presente de Indicativo");
  EXPECT_EQ(desk.ui.persons(), U"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3");
  EXPECT_TRUE(desk.ui.endings_red());
}

}  // namespace
}  // namespace flexoria::testing
