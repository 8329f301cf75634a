// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "catalogues/stem_change.h"
#include "catalogues/stem_change_tables.h"
#include "core/match_kind.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

std::vector<Text> Infinitives(TextView list) {
  std::vector<Text> verbs;
  ForEachInfinitive(list, [&](TextView verb) { verbs.emplace_back(verb); });
  return verbs;
}

bool IsVowel(char32_t c) { return TextView(U"aeiou").find(c) != TextView::npos; }

// The stressed rewrite of a verb's last `cut` letters, without "ar".
Text Stressed(TextView verb, int cut, bool g_before_o) {
  const TextView tail = verb.substr(verb.size() - cut, cut - 2);
  const std::size_t vowel_at = g_before_o ? 1 : 0;
  for (char32_t c : tail.substr(vowel_at + 1)) {
    if (IsVowel(c)) return U"<vowel after the changing one>";
  }
  if (g_before_o) return tail.substr(0, 2) == U"go" ? U"güe" + Text(tail.substr(2)) : U"<no go>";
  constexpr std::array<std::pair<char32_t, TextView>, 4> kChanges{
      {{U'e', U"ie"}, {U'o', U"ue"}, {U'i', U"í"}, {U'u', U"ú"}}};
  for (const auto& [vowel, changed] : kChanges) {
    if (tail[0] == vowel) return Text(changed) + Text(tail.substr(1));
  }
  return U"<no changing vowel>";
}

// A stem before an ending that begins with e keeps the sound of g, z, c.
Text RespelledBeforeE(Text stem) {
  const char32_t last = stem.back();
  if (last == U'g') return stem + U"u";
  if (last == U'z') return stem.replace(stem.size() - 1, 1, U"c");
  if (last == U'c') return stem.replace(stem.size() - 1, 1, U"qu");
  return U"<not g, z or c>";
}

TEST(StemChangeData, EveryInfinitiveIsListedOnceAndKeepsAPrefix) {
  std::set<Text> seen;
  auto check = [&](const auto& c) {
    for (const Text& verb : Infinitives(c.infinitives)) {
      EXPECT_TRUE(seen.insert(verb).second) << Utf8(verb) << " listed twice";
      EXPECT_TRUE(EndsWith(verb, U"ar")) << Utf8(verb);
      EXPECT_GT(static_cast<int>(verb.size()), c.cut) << Utf8(verb);
    }
  };
  for (const auto& c : kSingleFormClasses) check(c);
  for (const auto& c : kThreeFormClasses) check(c);
}

TEST(StemChangeData, SingleFormFragmentsFollowTheVowelRule) {
  for (const auto& c : kSingleFormClasses) {
    for (const Text& verb : Infinitives(c.infinitives)) {
      EXPECT_EQ(Utf8(c.fragment), Utf8(Stressed(verb, c.cut, c.fragment.starts_with(U"gü"))))
          << Utf8(verb);
    }
  }
}

TEST(StemChangeData, ThreeFormFragmentsAddTheRespelling) {
  for (const auto& c : kThreeFormClasses) {
    for (const Text& verb : Infinitives(c.infinitives)) {
      const Text plain(verb.substr(verb.size() - c.cut, c.cut - 2));
      const Text stressed = Stressed(verb, c.cut, false);
      EXPECT_EQ(Utf8(c.stressed), Utf8(stressed)) << Utf8(verb);
      EXPECT_EQ(Utf8(c.stressed_before_e), Utf8(RespelledBeforeE(stressed))) << Utf8(verb);
      EXPECT_EQ(Utf8(c.unstressed_before_e), Utf8(RespelledBeforeE(plain))) << Utf8(verb);
    }
  }
}

// The lookup must answer for every listed verb exactly as its class says.
TEST(StemChangeData, LookupAgreesWithEveryClass) {
  auto expect_rewrite = [](TextView verb, int cut, TextView stressed, TextView before_e,
                           TextView unstressed) {
    ConjugationState s;
    s.Verb = verb;
    for (const NamedSlot& named : kStemSlots) s.*named.slot = U"regular";
    EXPECT_EQ(ApplyStemChange(s, verb), kStemChangeMatched) << Utf8(verb);
    const Text prefix(verb.substr(0, verb.size() - cut));
    EXPECT_EQ(Utf8(s.PresStem236), Utf8(prefix + Text(stressed))) << Utf8(verb);
    EXPECT_EQ(Utf8(s.SubjStem13), Utf8(prefix + Text(before_e))) << Utf8(verb);
    EXPECT_EQ(Utf8(s.PretStem1), Utf8(unstressed.empty() ? U"regular" : prefix + Text(unstressed)))
        << Utf8(verb);
  };
  for (const auto& c : kSingleFormClasses) {
    for (const Text& verb : Infinitives(c.infinitives)) {
      expect_rewrite(verb, c.cut, c.fragment, c.fragment, {});
    }
  }
  for (const auto& c : kThreeFormClasses) {
    for (const Text& verb : Infinitives(c.infinitives)) {
      expect_rewrite(verb, c.cut, c.stressed, c.stressed_before_e, c.unstressed_before_e);
    }
  }
}

}  // namespace
}  // namespace flexoria::testing
