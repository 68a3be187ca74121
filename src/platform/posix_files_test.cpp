#include "platform/posix_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/codepage.h"
#include "common/errors.h"
#include "platform/fake_platform_for_test.h"
#include "platform/file_ops.h"
#include "platform/posix_environment_for_test.h"
#include "platform/posix_platform.h"
#include "platform/posix_time.h"
#include "platform/read_file_for_test.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

const char* const kArgv[] = {"photopages_tests"};
constexpr UtcTime kPhotoTime = {1104635045, 123456789};  // 2005-01-02, UTC.

std::string PseudoRandomBytes(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245 + 12345;
    byte = static_cast<char>(state >> 16);
  }
  return bytes;
}

struct stat LinkStatus(const std::string& path) {
  struct stat status {};
  lstat(path.c_str(), &status);
  return status;
}

void SetLastWrite(const std::string& path, const UtcTime& time) {
  const timespec times[2] = {{0, UTIME_OMIT}, TimespecFromUtcTime(time)};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

mode_t CurrentUmask() {
  mode_t mask = umask(0);
  umask(mask);
  return mask;
}

class PosixFilesTest : public testing::Test {
 protected:
  std::string Path(std::string_view name) const { return dir_.Path(name); }

  // True when no temporary output file is left in the folder.
  bool NoTemporaryLeft() const {
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      if (entry.path().filename().string().starts_with(".photopages-")) {
        return false;
      }
    }
    return true;
  }

  ScopedTempDir dir_;
  PosixPlatform platform_{1, kArgv};
};

TEST_F(PosixFilesTest, CopyKeepsContentLastWriteTimeAndPermissions) {
  for (size_t size : {0u, 1u, 100'000u, 3u << 20}) {
    SCOPED_TRACE(size);
    const std::string content = PseudoRandomBytes(size);
    WriteTestFile(Path("source.jpg"), content);
    chmod(Path("source.jpg").c_str(), 0640);
    SetLastWrite(Path("source.jpg"), kPhotoTime);

    std::unique_ptr<InputFile> written =
        CopyFileReplacing(platform_, Path("source.jpg"), Path("copy.JPEG"));

    struct stat copy = LinkStatus(Path("copy.JPEG"));
    EXPECT_EQ(ReadTestFile(Path("copy.JPEG")), content);
    EXPECT_EQ(UtcTimeFromTimespec(copy.st_mtim), kPhotoTime);
    EXPECT_EQ(copy.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadTestFile(Path("source.jpg")), content);
    EXPECT_TRUE(NoTemporaryLeft());
    // The copy as it was written is the one under its name, and reads so.
    ASSERT_NE(written, nullptr);
    const auto named = platform_.OpenInput(Path("copy.JPEG"));
    EXPECT_EQ(written->Identity(), named->Identity());
    EXPECT_EQ(written->Size(), named->Size());
    EXPECT_EQ(written->Attributes(), named->Attributes());
    EXPECT_EQ(written->LastWriteTime(), named->LastWriteTime());
    std::string read_back(size, '\0');
    for (size_t done = 0; done < size;) {
      const size_t n =
          written->ReadAt(done, read_back.data() + done, size - done);
      ASSERT_GT(n, 0u);
      done += n;
    }
    EXPECT_EQ(read_back, content);
  }
}

TEST_F(PosixFilesTest, CopyOverWhatIsAtTheTarget) {
  enum Outcome { kCopied, kKept, kCannotCreate };
  static const std::string kContent = "photo bytes";
  const struct {
    const char* what;
    void (*setup)(const std::string& source, const std::string& target);
    Outcome outcome;
  } cases[] = {
      {"nothing", [](const std::string&, const std::string&) {}, kCopied},
      {"a longer file",
       [](const std::string&, const std::string& target) {
         WriteTestFile(target, std::string(200'000, 'x'));
       },
       kCopied},
      {"a read-only file with the same bytes",
       [](const std::string&, const std::string& target) {
         WriteTestFile(target, kContent);
         chmod(target.c_str(), 0444);
       },
       kKept},
      {"a read-only file with other bytes",
       [](const std::string&, const std::string& target) {
         WriteTestFile(target, "photo bytez");
         chmod(target.c_str(), 0444);
       },
       kCannotCreate},
      {"a folder",
       [](const std::string&, const std::string& target) {
         std::filesystem::create_directory(target);
       },
       kCannotCreate},
      {"a symbolic link to another file",
       [](const std::string&, const std::string& target) {
         WriteTestFile(target + ".pointee", "pointee");
         std::filesystem::create_symlink(target + ".pointee", target);
       },
       kCopied},
      {"a symbolic link to the source",
       [](const std::string& source, const std::string& target) {
         std::filesystem::create_symlink(source, target);
       },
       kCopied},
      {"a hard link to the source",
       [](const std::string& source, const std::string& target) {
         std::filesystem::create_hard_link(source, target);
       },
       kKept},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedTempDir dir;
    const std::string source = dir.Path("source.jpg");
    const std::string target = dir.Path("target.JPEG");
    WriteTestFile(source, kContent);
    SetLastWrite(source, kPhotoTime);
    c.setup(source, target);
    struct stat before = LinkStatus(target);

    try {
      CopyFileReplacing(platform_, source, target);
      EXPECT_NE(c.outcome, kCannotCreate);
    } catch (const FileCreateError& e) {
      EXPECT_EQ(c.outcome, kCannotCreate);
      EXPECT_EQ(e.Message(), FileCreateError(target).Message());
    }

    struct stat after = LinkStatus(target);
    if (c.outcome == kCopied) {
      EXPECT_TRUE(S_ISREG(after.st_mode));
      EXPECT_EQ(ReadTestFile(target), kContent);
      EXPECT_EQ(UtcTimeFromTimespec(after.st_mtim), kPhotoTime);
    } else {
      EXPECT_EQ(after.st_ino, before.st_ino);
      EXPECT_EQ(after.st_mode, before.st_mode);
      EXPECT_EQ(after.st_size, before.st_size);
      EXPECT_EQ(UtcTimeFromTimespec(after.st_mtim),
                UtcTimeFromTimespec(before.st_mtim));
    }
    EXPECT_EQ(ReadTestFile(source), kContent);
    if (std::filesystem::exists(target + ".pointee")) {
      EXPECT_EQ(ReadTestFile(target + ".pointee"), "pointee");
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry;
    }
  }
}

TEST_F(PosixFilesTest, CopyOntoItselfLeavesTheFileAlone) {
  WriteTestFile(Path("a.JPEG"), "bytes");
  SetLastWrite(Path("a.JPEG"), kPhotoTime);
  ScopedCurrentDirectory cwd;
  platform_.SetCurrentDirectory(dir_.path());
  CopyFileReplacing(platform_, "a.JPEG", Path("a.JPEG"));
  struct stat after = LinkStatus(Path("a.JPEG"));
  EXPECT_EQ(ReadTestFile(Path("a.JPEG")), "bytes");
  EXPECT_EQ(UtcTimeFromTimespec(after.st_mtim), kPhotoTime);
  EXPECT_TRUE(NoTemporaryLeft());
}

TEST_F(PosixFilesTest, WriteFileReplacing) {
  static const std::string kPage = "<HTML>new</HTML>";
  const bool root = geteuid() == 0;
  const struct {
    const char* what;
    void (*setup)(const std::string& target);
    bool written;
  } cases[] = {
      {"nothing", [](const std::string&) {}, true},
      {"a longer file",
       [](const std::string& target) {
         WriteTestFile(target, std::string(5000, 'o'));
       },
       true},
      {"a read-only file",
       [](const std::string& target) {
         WriteTestFile(target, "old");
         chmod(target.c_str(), 0444);
       },
       false},
      {"a folder",
       [](const std::string& target) {
         std::filesystem::create_directory(target);
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedTempDir dir;
    const std::string target = dir.Path("page.HTML");
    c.setup(target);
    struct stat before = LinkStatus(target);
    try {
      WriteFileReplacing(platform_, target, kPage);
      EXPECT_TRUE(c.written);
    } catch (const FileCreateError& e) {
      EXPECT_FALSE(c.written);
      EXPECT_EQ(e.Message(), FileCreateError(target).Message());
    }
    struct stat after = LinkStatus(target);
    if (c.written) {
      EXPECT_EQ(ReadTestFile(target), kPage);
      EXPECT_EQ(after.st_mode & 07777, 0666 & ~CurrentUmask());
    } else {
      EXPECT_EQ(after.st_ino, before.st_ino);
      EXPECT_EQ(after.st_size, before.st_size);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);  // The target alone, no temporary file.
  }
  if (!root) {  // Root may write into any folder.
    std::filesystem::create_directory(Path("locked"));
    chmod(Path("locked").c_str(), 0555);
    EXPECT_THROW(WriteFileReplacing(platform_, Path("locked/page.HTML"), kPage),
                 FileCreateError);
    chmod(Path("locked").c_str(), 0755);
  }
}

TEST_F(PosixFilesTest, AnUncommittedOutputLeavesTheEarlierFile) {
  WriteTestFile(Path("page.HTML"), "old");
  {
    auto output = platform_.CreateOutput(Path("page.HTML"));
    output->Write("new", 3);
  }
  EXPECT_EQ(ReadTestFile(Path("page.HTML")), "old");
  EXPECT_TRUE(NoTemporaryLeft());
  EXPECT_THROW(platform_.CreateOutput(Path("missing/page.HTML")),
               FileCreateError);
}

TEST_F(PosixFilesTest, CopyFromAnInputOfAnotherKind) {
  FakePlatform fake;
  const std::string content = PseudoRandomBytes(300'000);
  fake.AddFile("/photo.jpg", content);
  auto input = fake.OpenInput("/photo.jpg");
  auto output = platform_.CreateOutput(Path("copy.JPEG"));
  output->CopyFrom(*input);
  output->Commit();
  EXPECT_EQ(ReadTestFile(Path("copy.JPEG")), content);
}

TEST_F(PosixFilesTest, JapaneseNamesReachTheDiskAsUtf8) {
  const AnsiString page = dir_.path() + "/" + AnsiFromUtf8("日本語.HTML");
  const AnsiString copy = dir_.path() + "/" + AnsiFromUtf8("表ソ.JPEG");
  WriteFileReplacing(platform_, page, "page");
  CopyFileReplacing(platform_, page, copy);
  EXPECT_EQ(ReadTestFile(Path("日本語.HTML")), "page");
  EXPECT_EQ(ReadTestFile(Path("表ソ.JPEG")), "page");
  EXPECT_EQ(ReadWholeFile(platform_, copy), "page");
  EXPECT_TRUE(platform_.Inspect(copy).is_regular);
}

TEST_F(PosixFilesTest, OpenInputRefusesWhatIsNotAnOrdinaryFile) {
  std::filesystem::create_directory(Path("folder"));
  mkfifo(Path("pipe").c_str(), 0644);
  std::filesystem::create_symlink("nowhere", Path("dangling"));
  std::filesystem::create_symlink("loop", Path("loop"));
  alarm(20);  // A FIFO that blocked the open would hang the test.
  for (const std::string& path :
       {Path("missing"), Path("folder"), Path("pipe"), Path("dangling"),
        Path("loop"), std::string(), std::string("/dev/null")}) {
    try {
      platform_.OpenInput(path);
      ADD_FAILURE() << path << ": opened";
    } catch (const FileOpenError& e) {
      EXPECT_EQ(e.Message(), FileOpenError(path).Message());
    }
  }
  alarm(0);
  EXPECT_THROW(ReadWholeFile(platform_, Path("missing")), FileOpenError);
}

TEST_F(PosixFilesTest, OpenInputDescribesTheFile) {
  const std::string content = PseudoRandomBytes(70'000);
  WriteTestFile(Path("photo.jpg"), content);
  chmod(Path("photo.jpg").c_str(), 0604);
  SetLastWrite(Path("photo.jpg"), kPhotoTime);
  std::filesystem::create_symlink("photo.jpg", Path("link.jpg"));

  auto input = platform_.OpenInput(Path("link.jpg"));
  EXPECT_EQ(input->Size(), content.size());
  EXPECT_EQ(input->Attributes(), FileAttributes{0604});
  EXPECT_EQ(input->LastWriteTime(), kPhotoTime);
  EXPECT_EQ(input->Identity(), platform_.Inspect(Path("photo.jpg")).identity);
  EXPECT_NE(input->Identity(), platform_.Inspect(Path("link.jpg")).identity);
  std::string read(content.size() + 10, '\0');
  size_t done = 0;
  while (size_t n = input->Read(read.data() + done, read.size() - done)) {
    done += n;
  }
  read.resize(done);
  EXPECT_EQ(read, content);
  EXPECT_EQ(ReadWholeFile(platform_, Path("photo.jpg")), content);
}

TEST_F(PosixFilesTest, InspectTellsWhatIsAtAPath) {
  const struct {
    const char* name;
    unsigned mode;  // 0: a folder; 1: a symbolic link; 2: nothing.
    bool exists, is_directory, is_regular, read_only;
  } cases[] = {
      {"rw", 0644, true, false, true, false},
      {"r", 0444, true, false, true, true},
      {"owner-r", 0400, true, false, true, true},
      {"rx", 0555, true, false, true, true},
      {"owner-w", 0200, true, false, true, false},
      {"other-w", 0442, true, false, true, false},
      {"folder", 0, true, true, false, false},
      {"link", 1, true, false, false, false},
      {"missing", 2, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Path(c.name);
    if (c.mode == 0) {
      std::filesystem::create_directory(path);
    } else if (c.mode == 1) {
      std::filesystem::create_symlink("r", path);
    } else if (c.mode > 2) {
      WriteTestFile(path, "x");
      chmod(path.c_str(), c.mode);
    }
    PathInfo info = platform_.Inspect(path);
    EXPECT_EQ(info.exists, c.exists);
    EXPECT_EQ(info.is_directory, c.is_directory);
    EXPECT_EQ(info.is_regular, c.is_regular);
    EXPECT_EQ(info.read_only, c.read_only);
    EXPECT_EQ(info.identity.file,
              static_cast<uint64_t>(LinkStatus(path).st_ino));
  }
}

}  // namespace
}  // namespace photopages
