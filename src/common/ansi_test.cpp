#include "common/ansi.h"

#include <gtest/gtest.h>

#include "common/codepage.h"

namespace photopages {
namespace {

// Code page 932 characters whose second byte is an ASCII delimiter or letter.
const std::string kHyo = "\x95\x5C";  // 表: trail byte "\".
const std::string kSo = "\x83\x5C";   // ソ: trail byte "\".
const std::string kA = "\x83\x41";    // ア: trail byte "A".
const std::string kHa = "\x83\x6E";   // ハ: trail byte "n".

TEST(AnsiTest, CharactersUsedBelowAreWhatTheySeem) {
  EXPECT_EQ(AnsiFromUtf8("表"), kHyo);
  EXPECT_EQ(AnsiFromUtf8("ソ"), kSo);
  EXPECT_EQ(AnsiFromUtf8("ア"), kA);
  EXPECT_EQ(AnsiFromUtf8("ハ"), kHa);
}

TEST(AnsiTest, LastDelimiterSkipsTrailBytes) {
  constexpr size_t npos = std::string::npos;
  const struct {
    std::string delimiters;
    std::string text;
    size_t expected;
  } cases[] = {
      {"\\", "a\\b", 1},
      {"\\", kHyo, npos},
      {"\\", "a\\" + kHyo, 1},
      {"\\", kSo + kSo, npos},
      {"\\:", "C:\\" + kSo, 2},
      {"\\:", "C:" + kSo, 1},
      {"\\", kHyo + "\\", 2},
      {"\\", "a\\\x95", 1},  // A lead byte at the end swallows nothing.
      {"\\.", "x." + kSo, 1},
      // Possible lead bytes pair off from the start of their run.
      {"\\", "\x81\x81\\", 2},
      {"\\", "a\\\x81\x81\x81\\", 1},
      {"A", kA + "A", 2},
      {"/", "", npos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LastDelimiter(c.delimiters, c.text), c.expected) << c.text;
  }
}

TEST(AnsiTest, AnsiLowerCaseLeavesTrailBytes) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"ABC.JPEG", "abc.jpeg"},
      {"abc", "abc"},
      {kA + "B", kA + "b"},
      {"X" + kA + kHa + "Z", "x" + kA + kHa + "z"},
      {"\xB1"
       "A",
       "\xB1"
       "a"},  // A half-width katakana is a single byte.
      {"AM/PM", "am/pm"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiLowerCase(c.text), c.expected) << c.text;
    // Each starts with the other, letters folded on both sides.
    EXPECT_TRUE(StartsWithNoCase(c.text + "x", c.expected)) << c.text;
    EXPECT_TRUE(StartsWithNoCase(c.expected, c.text)) << c.text;
  }
  // A trail byte that reads as a letter is not folded: ア is not ヂ.
  EXPECT_FALSE(StartsWithNoCase(kA, "\x83\x61"));
  EXPECT_FALSE(StartsWithNoCase("AM", "am/pm"));
}

}  // namespace
}  // namespace photopages
