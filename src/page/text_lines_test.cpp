#include "page/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/page_template.h"

namespace photopages {
namespace {

TEST(TextLinesTest, SplitsAtEveryKindOfLineEnd) {
  using Lines = std::vector<std::string_view>;
  struct Case {
    std::string text;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR is two line ends
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\r", {"a", ""}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {" \r\n", {" "}},
      {"\x95\x62\r\n\x93\xfa", {"\x95\x62", "\x93\xfa"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitLines(c.text), c.expected) << c.text;
  }
}

TEST(TextLinesTest, JoinEndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinLinesCrLf({}), "");
  EXPECT_EQ(JoinLinesCrLf({"a", "", " "}), "a\r\n\r\n \r\n");
}

TEST(TextLinesTest, TemplateBlocksAreTheirLinesEachEndingInCrLf) {
  struct Case {
    std::string_view block;
    size_t lines;
    size_t bytes;
  };
  const Case cases[] = {
      {PageHead(), 6, 263}, {TitleCloseBlock(), 3, 27}, {PageFoot(), 3, 21}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.block.size(), c.bytes);
    EXPECT_EQ(SplitLines(c.block).size(), c.lines);
    EXPECT_EQ(JoinLinesCrLf(SplitLines(c.block)), c.block);
  }
  EXPECT_EQ(SplitLines(TitleCloseBlock()),
            (std::vector<std::string_view>{"</TITLE>", "</HEAD>", "<BODY>"}));
}

}  // namespace
}  // namespace photopages
