#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace photopages {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLineTest, SplitsLikeTheSystemDoes) {
  struct {
    const char* raw;
    Args expected;
  } const cases[] = {
      {"tool", {"tool"}},
      {"", {""}},
      {"tool a b", {"tool", "a", "b"}},
      {"tool a\"\"b", {"tool", "ab"}},
      {"tool \"a b\"c", {"tool", "a bc"}},
      {"tool x \"\" y", {"tool", "x", "y"}},
      {"tool \"\" \"\"", {"tool"}},
      {"tool \"\"\"\"", {"tool"}},
      {"\"C:\\Program Files\\tool.exe\" a",
       {"C:\\Program Files\\tool.exe", "a"}},
      {"tool\t a\x01\x1f b ", {"tool", "a", "b"}},
      {"tool a\\\"b c\"", {"tool", "a\\b c"}},
      {"tool \"open", {"tool", "open"}},
      {"tool x \"", {"tool", "x"}},
      {"tool \"\"a", {"tool", "a"}},
      {"tool \x95\x5C \x83\x22", {"tool", "\x95\x5C", "\x83"}},
      {"tool \xE0\xA0", {"tool", "\xE0\xA0"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.raw), c.expected) << c.raw;
  }
}

TEST(CommandLineTest, CutsLongUnquotedRunsAt4096Bytes) {
  const std::string run(4096 + 10, 'x');
  EXPECT_EQ(SplitCommandLine("tool " + run),
            (Args{"tool", std::string(4096, 'x'), std::string(10, 'x')}));
  EXPECT_EQ(SplitCommandLine("tool " + std::string(4096, 'y')),
            (Args{"tool", std::string(4096, 'y')}));
}

TEST(CommandLineTest, QuotedStretchesAreNotCut) {
  const std::string long_text(5000, 'q');
  EXPECT_EQ(SplitCommandLine("tool \"" + long_text + "\"z"),
            (Args{"tool", long_text, "z"}));
}

TEST(CommandLineTest, ManyArgumentsInOneScan) {
  std::string raw = "tool";
  for (int i = 0; i < 20000; ++i) raw += " \"p" + std::to_string(i) + "\"";
  Args args = SplitCommandLine(raw);
  ASSERT_EQ(args.size(), 20001u);
  EXPECT_EQ(args[12345], "p12344");
}

}  // namespace
}  // namespace photopages
