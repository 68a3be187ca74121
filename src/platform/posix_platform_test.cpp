#include "platform/posix_platform.h"

#include <errno.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/paths.h"
#include "platform/posix_environment_for_test.h"
#include "platform/read_file_for_test.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

const char* const kArgv[] = {"photopages_tests"};

bool RunningAsRoot() { return geteuid() == 0; }

TEST(PosixPlatformTest, RawCommandLineQuotesEachArgument) {
  const struct {
    std::vector<const char*> argv;
    std::string expected;
  } cases[] = {
      {{"/usr/x/photopages"}, "\"/usr/x/photopages\""},
      {{"/p", "a b", "", "c\td"}, "\"/p\" \"a b\" \"\" \"c\td\""},
      {{"/p", "x\"y", "\"\"", "\""}, "\"/p\" \"xy\" \"\" \"\""},
      {{"/p", "日本語.jpg"}, "\"/p\" \"" + AnsiFromUtf8("日本語.jpg") + "\""},
      {{"/p", "a😀b", "\xff"}, "\"/p\" \"a?b\" \"?\""},
      {{"/写真/p"}, "\"/" + AnsiFromUtf8("写真") + "/p\""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    PosixPlatform platform(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(platform.RawCommandLine(), c.expected) << c.expected;
  }
}

// An argv[0] that names no program (none at all, empty, made up) leaves the
// file the kernel runs.
TEST(PosixPlatformTest, ExecutablePathWithoutAProgramInArgv0) {
  const std::vector<const char*> argvs[] = {
      {}, {""}, {"/no/such/photopages_tests"}, {"./"}};
  for (const auto& argv : argvs) {
    PosixPlatform platform(static_cast<int>(argv.size()), argv.data());
    AnsiString path = platform.ExecutablePath();
    EXPECT_EQ(path.front(), '/');
    EXPECT_TRUE(path.ends_with("/photopages_tests")) << path;
  }
}

TEST(PosixPlatformTest, IcuLocaleFromPosix) {
  const struct {
    const char* posix;
    const char* icu;
  } cases[] = {
      {"ja_JP.UTF-8", "ja_JP"},
      {"de_DE@euro", "de_DE"},
      {"da_DK", "da_DK"},
      {"C", ""},
      {"C.UTF-8", ""},
      {"POSIX", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IcuLocaleFromPosix(c.posix), c.icu) << c.posix;
  }
}

class PosixFolderTest : public testing::Test {
 protected:
  ScopedTempDir dir_;
  ScopedCurrentDirectory cwd_;
  // The root collation, whatever the locale of the machine running the test.
  ScopedEnvironmentVariable lc_all_{"LC_ALL", nullptr};
  ScopedEnvironmentVariable lc_collate_{"LC_COLLATE", nullptr};
  ScopedEnvironmentVariable lang_{"LANG", nullptr};
};

// Puts an empty program file, that may be run, into `folder`; its path.
std::string AddProgram(const std::string& folder) {
  const std::string program = folder + "/photopages";
  WriteTestFile(program, "");
  chmod(program.c_str(), 0755);
  return program;
}

// A program folder whose name code page 932 cannot hold is entered by its
// text, not the folder of the converted text beside it.
TEST_F(PosixFolderTest, SetCurrentDirectoryMovesTheProcess) {
  std::filesystem::create_directories(dir_.Path("Café/sub"));
  std::filesystem::create_directory(dir_.Path("Caf?"));
  const std::string program = AddProgram(dir_.Path("Café"));
  const char* const argv[] = {program.c_str()};
  PosixPlatform platform(1, argv);
  const std::string real = std::filesystem::canonical(dir_.path());
  platform.SetCurrentDirectory(dir_.path());
  EXPECT_EQ(platform.CurrentDirectory(), real);
  platform.SetCurrentDirectory(
      ExtractFileDir(platform.ExecutablePath(), kPosixPaths));
  EXPECT_EQ(std::filesystem::current_path(), real + "/Café");
  platform.SetCurrentDirectory("sub");
  EXPECT_EQ(std::filesystem::current_path(), real + "/Café/sub");
  EXPECT_EQ(platform.CurrentDirectory(), AnsiFromUtf8(real + "/Café/sub"));
}

// Fills the process's table of file descriptors, under a lowered limit,
// for as long as it lives.
class FullDescriptorTable {
 public:
  FullDescriptorTable() {
    getrlimit(RLIMIT_NOFILE, &limit_);
    rlimit lowered = limit_;
    lowered.rlim_cur = 64;
    setrlimit(RLIMIT_NOFILE, &lowered);
    for (int fd = dup(0); fd >= 0; fd = dup(0)) taken_.push_back(fd);
  }
  FullDescriptorTable(const FullDescriptorTable&) = delete;
  FullDescriptorTable& operator=(const FullDescriptorTable&) = delete;
  ~FullDescriptorTable() {
    for (int fd : taken_) close(fd);
    setrlimit(RLIMIT_NOFILE, &limit_);
  }

 private:
  rlimit limit_{};
  std::vector<int> taken_;
};

// The real system made to fail in each way; the platform throws the code
// and message that stand for it.
TEST_F(PosixFolderTest, FolderFailuresCarryWindowsCodes) {
  // A program in a folder whose name code page 932 cannot hold, started in
  // another folder that gives the same text.
  std::filesystem::create_directory(dir_.Path("写真😀"));
  std::filesystem::create_directory(dir_.Path("写真😁"));
  const std::string program = AddProgram(dir_.Path("写真😀"));
  std::filesystem::current_path(dir_.Path("写真😁"));
  const char* const argv[] = {program.c_str()};
  PosixPlatform platform(1, argv);
  const AnsiString executable = platform.ExecutablePath();
  ASSERT_EQ(executable, AnsiFromUtf8(program));
  WriteTestFile(dir_.Path("file"), "x");
  std::filesystem::create_symlink("loop", dir_.Path("loop"));
  std::filesystem::create_directories(dir_.Path("locked/inner"));
  chmod(dir_.Path("locked").c_str(), 0);
  enum Call { kEnter, kList, kListWithoutDescriptors };
  const struct {
    const char* what;
    std::string folder;
    int code;
    AnsiString message;
    Call call = kEnter;
  } cases[] = {
      {"missing", dir_.Path("missing"), 2, MessageText(Message::kFileNotFound)},
      {"a file", dir_.Path("file"), 3, MessageText(Message::kInvalidFileName)},
      {"below a file", dir_.Path("file/x"), 3,
       MessageText(Message::kInvalidFileName)},
      {"a name too long", dir_.Path(std::string(300, 'n')), 3,
       MessageText(Message::kInvalidFileName)},
      {"a link loop", dir_.Path("loop"), ELOOP,
       FormatMessage(Message::kInOutError, ELOOP)},
      {"no permission", dir_.Path("locked/inner"), 5,
       MessageText(Message::kAccessDenied)},
      {"a program folder that two folders give",
       ExtractFileDir(executable, kPosixPaths), 3,
       MessageText(Message::kInvalidFileName)},
      {"listing a missing folder", dir_.Path("missing"), 2,
       MessageText(Message::kFileNotFound), kList},
      {"listing a program folder that two folders give",
       ExtractFileDir(executable, kPosixPaths), 3,
       MessageText(Message::kInvalidFileName), kList},
      {"listing with no file descriptor left", dir_.path(), 4,
       MessageText(Message::kTooManyOpenFiles), kListWithoutDescriptors},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.code == 5 && RunningAsRoot()) continue;  // Root passes any mode.
    try {
      if (c.call == kEnter) {
        platform.SetCurrentDirectory(c.folder);
      } else if (c.call == kList) {
        platform.ListOrdinaryFiles(c.folder);
      } else {
        FullDescriptorTable full;
        platform.ListOrdinaryFiles(c.folder);
      }
      ADD_FAILURE() << "no error";
    } catch (const InOutError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code);
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  chmod(dir_.Path("locked").c_str(), 0755);
}

TEST_F(PosixFolderTest, ListsOrdinaryFilesInCaseBlindOrder) {
  const std::string stamp = "2005年01月02日03時04分05秒01秒";
  for (const std::string name :
       {"Zeta.jpg", "alpha.jpg", "beta.jpg", "Beta.JPG", "10.jpg", "9.jpg",
        "noext", ".hidden.jpg", ".HTML"}) {
    WriteTestFile(dir_.Path(name), "x");
  }
  WriteTestFile(dir_.Path(stamp + ".JPEG"), "x");
  WriteTestFile(dir_.Path(stamp + ".HTML"), "x");
  std::filesystem::create_directory(dir_.Path("sub.jpg"));
  mkfifo(dir_.Path("pipe.jpg").c_str(), 0644);
  std::filesystem::create_symlink("nowhere", dir_.Path("dangling.jpg"));
  std::filesystem::create_symlink("loop.jpg", dir_.Path("loop.jpg"));
  std::filesystem::create_symlink("alpha.jpg", dir_.Path("link.jpg"));
  std::filesystem::create_symlink("sub.jpg", dir_.Path("folder-link.jpg"));

  PosixPlatform platform(1, kArgv);
  EXPECT_THAT(platform.ListOrdinaryFiles(dir_.path()),
              testing::ElementsAre("10.jpg", AnsiFromUtf8(stamp + ".HTML"),
                                   AnsiFromUtf8(stamp + ".JPEG"), "9.jpg",
                                   "alpha.jpg", "Beta.JPG", "beta.jpg",
                                   "link.jpg", "noext", "Zeta.jpg"));
}

TEST_F(PosixFolderTest, ListingFollowsTheUserCollation) {
  WriteTestFile(dir_.Path("zebra.jpg"), "x");
  WriteTestFile(dir_.Path("aarhus.jpg"), "x");
  const std::vector<AnsiString> root = {"aarhus.jpg", "zebra.jpg"};
  const std::vector<AnsiString> danish = {"zebra.jpg", "aarhus.jpg"};
  const struct {
    const char* lc_all;
    const char* lc_collate;
    const char* lang;
    const std::vector<AnsiString>& expected;
  } cases[] = {
      {nullptr, "da_DK.UTF-8", nullptr, danish},
      {nullptr, nullptr, "da_DK.UTF-8", danish},
      {"C", "da_DK.UTF-8", nullptr, root},
      {nullptr, "C.UTF-8", "da_DK.UTF-8", root},
      {nullptr, "ja_JP.UTF-8", nullptr, root},
  };
  for (const auto& c : cases) {
    ScopedEnvironmentVariable lc_all("LC_ALL", c.lc_all);
    ScopedEnvironmentVariable lc_collate("LC_COLLATE", c.lc_collate);
    ScopedEnvironmentVariable lang("LANG", c.lang);
    PosixPlatform platform(1, kArgv);
    EXPECT_EQ(platform.ListOrdinaryFiles(dir_.path()), c.expected)
        << CollationLocaleFromEnvironment();
  }
}

TEST_F(PosixFolderTest, ListingConvertsNamesToCodePage932) {
  WriteTestFile(dir_.Path("日本語.jpg"), "x");
  WriteTestFile(dir_.Path("😀.jpg"), "x");
  WriteTestFile(dir_.Path("\xff.jpg"), "x");
  PosixPlatform platform(1, kArgv);
  EXPECT_THAT(platform.ListOrdinaryFiles(dir_.path()),
              testing::UnorderedElementsAre(AnsiFromUtf8("日本語.jpg"), "?.jpg",
                                            "?.jpg"));
  platform.SetCurrentDirectory(dir_.path());
  EXPECT_EQ(platform.ListOrdinaryFiles(".").size(), 3u);
}

// A listed or given text opens the very file it came up from, also where
// code page 932 cannot hold the name; a text that two names gave, or that
// lost a double quote, opens nothing, not even a file of that very text.
TEST_F(PosixFolderTest, TextsOpenTheNamesTheyCameFrom) {
  const std::vector<std::string> names = {
      "旅行〜京都.jpg", "Café.jpg", "사진.jpg", "photo😀.jpg",
      "か\u3099.jpg",   "é.jpg",    "è.jpg",    "a\xff.jpg",
      "a?.jpg",         "xy.jpg",   "x\"y.jpg", "z.jpg"};
  for (const std::string& name : names) WriteTestFile(dir_.Path(name), name);
  const struct {
    const char* text;    // UTF-8, converted to code page 932.
    const char* listed;  // The file the listed text opens; null for none.
    const char* given;   // The same for an argument.
  } cases[] = {
      {"旅行〜京都.jpg", "旅行〜京都.jpg", "旅行〜京都.jpg"},
      {"Café.jpg", "Café.jpg", "Café.jpg"},
      {"사진.jpg", "사진.jpg", "사진.jpg"},
      {"photo😀.jpg", "photo😀.jpg", "photo😀.jpg"},
      {"か\u3099.jpg", "か\u3099.jpg", "か\u3099.jpg"},
      {"é.jpg", nullptr, nullptr},
      {"a?.jpg", nullptr, nullptr},
      {"xy.jpg", "xy.jpg", nullptr},
      {"z.jpg", "z.jpg", "z.jpg"},
  };
  for (const bool listed : {true, false}) {
    SCOPED_TRACE(listed ? "listed" : "given");
    std::vector<const char*> argv = {"/p"};
    if (!listed) {
      for (const std::string& name : names) argv.push_back(name.c_str());
    }
    PosixPlatform platform(static_cast<int>(argv.size()), argv.data());
    platform.RawCommandLine();
    platform.SetCurrentDirectory(dir_.path());
    if (listed) platform.ListOrdinaryFiles(dir_.path());
    for (const auto& c : cases) {
      SCOPED_TRACE(c.text);
      const char* opens = listed ? c.listed : c.given;
      const AnsiString text = AnsiFromUtf8(c.text);
      if (opens != nullptr) {
        EXPECT_EQ(ReadWholeFile(platform, text), opens);
      } else {
        EXPECT_THROW(platform.OpenInput(text), FileOpenError);
      }
    }
  }
}

}  // namespace
}  // namespace photopages
