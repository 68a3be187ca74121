#include "common/paths.h"

#include <gtest/gtest.h>

#include "common/codepage.h"

namespace photopages {
namespace {

struct PathCase {
  const char* path;
  const char* file_path;
  const char* file_dir;
  const char* file_name;
  const char* file_ext;
};

void ExpectSplits(const PathCase& c, const PathSyntax& syntax) {
  SCOPED_TRACE(c.path);
  EXPECT_EQ(ExtractFilePath(c.path, syntax), c.file_path);
  EXPECT_EQ(ExtractFileDir(c.path, syntax), c.file_dir);
  EXPECT_EQ(ExtractFileName(c.path, syntax), c.file_name);
  EXPECT_EQ(ExtractFileExt(c.path, syntax), c.file_ext);
}

TEST(PathsTest, WindowsSyntax) {
  const PathCase cases[] = {
      {"C:\\Photos\\Album\\tool.exe", "C:\\Photos\\Album\\",
       "C:\\Photos\\Album", "tool.exe", ".exe"},
      {"C:\\tool.exe", "C:\\", "C:\\", "tool.exe", ".exe"},
      {"C:tool.exe", "C:", "C:", "tool.exe", ".exe"},
      {"\\\\server\\share\\tool.exe", "\\\\server\\share\\",
       "\\\\server\\share", "tool.exe", ".exe"},
      {"\\tool", "\\", "\\", "tool", ""},
      {"tool", "", "", "tool", ""},
      {"", "", "", "", ""},
      {"a.b\\c", "a.b\\", "a.b", "c", ""},
      {"dir\\.hidden", "dir\\", "dir", ".hidden", ".hidden"},
      {"x\\y.tar.gz", "x\\", "x", "y.tar.gz", ".gz"},
      {"x\\\\y", "x\\\\", "x\\\\", "y", ""},
      {"trail.", "", "", "trail.", "."},
  };
  for (const PathCase& c : cases) ExpectSplits(c, kWindowsPaths);
}

TEST(PathsTest, PosixSyntax) {
  const PathCase cases[] = {
      {"/usr/x/photopages", "/usr/x/", "/usr/x", "photopages", ""},
      {"/photopages", "/", "/", "photopages", ""},
      {"rel/a.JPEG", "rel/", "rel", "a.JPEG", ".JPEG"},
      {"C:\\a.jpg", "", "", "C:\\a.jpg", ".jpg"},
      {"a.b/c", "a.b/", "a.b", "c", ""},
      {"//x", "//", "//", "x", ""},
  };
  for (const PathCase& c : cases) ExpectSplits(c, kPosixPaths);
}

// "表" is 95 5C and "ソ" is 83 5C in code page 932: their second byte is the
// backslash, which must never split a path.
TEST(PathsTest, TrailByteIsNeverADelimiter) {
  const std::string hyo = AnsiFromUtf8("表");
  const std::string so = AnsiFromUtf8("ソ");
  ASSERT_EQ(hyo, "\x95\x5C");
  ASSERT_EQ(so, "\x83\x5C");
  const std::string path = "C:\\" + hyo + "\\" + so + ".jpg";
  EXPECT_EQ(ExtractFilePath(path, kWindowsPaths), "C:\\" + hyo + "\\");
  EXPECT_EQ(ExtractFileDir(path, kWindowsPaths), "C:\\" + hyo);
  EXPECT_EQ(ExtractFileName(path, kWindowsPaths), so + ".jpg");
  EXPECT_EQ(ExtractFileName("C:\\" + hyo, kWindowsPaths), hyo);
  EXPECT_EQ(ExtractFileDir(hyo + "\\x", kWindowsPaths), hyo);
  EXPECT_EQ(ExtractFileExt(so, kWindowsPaths), "");
  EXPECT_EQ(ExtractFileName("/a/" + so, kPosixPaths), so);
}

TEST(PathsTest, ChangeFileExt) {
  struct {
    const char* path;
    const char* ext;
    const char* expected;
  } const cases[] = {
      {"/a/b.JPEG", ".HTML", "/a/b.HTML"},
      {"/a/b", ".HTML", "/a/b.HTML"},
      {"/a.d/b", ".HTML", "/a.d/b.HTML"},
      {"/a/b.c.d", "", "/a/b.c"},
      {"b.", ".x", "b.x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChangeFileExt(c.path, c.ext, kPosixPaths), c.expected) << c.path;
  }
  EXPECT_EQ(ChangeFileExt("C:\\a.b\\c", ".HTML", kWindowsPaths),
            "C:\\a.b\\c.HTML");
}

}  // namespace
}  // namespace photopages
