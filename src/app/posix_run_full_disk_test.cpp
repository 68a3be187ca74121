// The real program in a program folder on a real file system that fills up
// during the run: a small tmpfs that the test mounts, which needs root (or
// CAP_SYS_ADMIN); elsewhere the test is skipped.
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/posix_album_for_test.h"
#include "common/codepage.h"
#include "page/expected_page_for_test.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

constexpr uint64_t kPhotoSize = 256 * 1024;
// 2005-01-02 03:04:05 UTC.
constexpr time_t kJanuary2005 = 1104635045;

// A tmpfs holds files in whole memory pages.
uint64_t BlockSize() { return static_cast<uint64_t>(sysconf(_SC_PAGESIZE)); }

uint64_t Blocks(uint64_t bytes) {
  return (bytes + BlockSize() - 1) / BlockSize();
}

// A tmpfs of `bytes` mounted on `folder` until the object goes; error() is
// the errno of a refused mount, 0 once mounted.
class ScopedTmpfs {
 public:
  ScopedTmpfs(const std::string& folder, uint64_t bytes) : folder_(folder) {
    const std::string options = "size=" + std::to_string(bytes);
    if (mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
              options.c_str()) != 0) {
      error_ = errno;
    }
  }
  ScopedTmpfs(const ScopedTmpfs&) = delete;
  ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;
  ~ScopedTmpfs() {
    if (error_ == 0 && umount(folder_.c_str()) != 0) {
      umount2(folder_.c_str(), MNT_DETACH);
    }
  }

  int error() const { return error_; }

 private:
  std::string folder_;
  int error_ = 0;
};

// A real JPEG picture of 640 x 480, padded after its end to kPhotoSize bytes
// with `fill`, so that each photo has its own content.
std::string Photo(char fill) {
  std::string photo = test::EncodeJpeg({.width = 640, .height = 480});
  photo.resize(kPhotoSize, fill);
  return photo;
}

// The timestamp name of a photo last written `second` seconds after
// kJanuary2005, in UTF-8.
std::string Name(int second) {
  return "2005年01月02日03時04分0" + std::to_string(5 + second) + "秒01秒";
}

TEST(RunFullDiskTest, ARealFullDiskStopsTheRunAndLosesNothing) {
  const std::string earlier_copy = test::EncodeJpeg({.width = 8, .height = 8});
  const std::string earlier_page = "an earlier page";
  const uint64_t program_blocks =
      Blocks(std::filesystem::file_size(PHOTOPAGES_BINARY));
  // Three photos of `photo_blocks` blocks each and pages of one block each; the
  // room is what is left once the photos, the program and the earlier files are
  // in place.
  const uint64_t photo_blocks = Blocks(kPhotoSize);
  const struct {
    const char* where;
    bool earlier_copy;  // At the third photo's copy.
    uint64_t room_blocks;
    int copies_done;
    int pages_done;
  } cases[] = {
      {"in the third copy", true, 2 * photo_blocks + 2 + photo_blocks / 2, 2,
       2},
      {"in the third page", false, 3 * photo_blocks + 2, 3, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    ScopedTempDir mount_point;
    const uint64_t blocks = program_blocks + 3 * photo_blocks + 1 +
                            (c.earlier_copy ? Blocks(earlier_copy.size()) : 0) +
                            c.room_blocks;
    ScopedTmpfs tmpfs(mount_point.path(), blocks * BlockSize());
    if (tmpfs.error() == EPERM || tmpfs.error() == EACCES) {
      GTEST_SKIP() << "this test mounts a tmpfs, which needs root or "
                      "CAP_SYS_ADMIN; the mount was refused: "
                   << std::strerror(tmpfs.error());
    }
    ASSERT_EQ(tmpfs.error(), 0) << std::strerror(tmpfs.error());
    TestAlbum album(mount_point.path());
    std::vector<std::string> photos;
    for (int i = 0; i < 3; ++i) {
      photos.push_back(Photo(static_cast<char>('1' + i)));
      album.AddFile("p" + std::to_string(i) + ".jpg", photos.back(),
                    kJanuary2005 + i);
    }
    if (c.earlier_copy) {
      album.AddFile(Name(2) + ".JPEG", earlier_copy, kJanuary2005);
    }
    album.AddFile(Name(2) + ".HTML", earlier_page, kJanuary2005);

    RunResult result = album.Run({"p0.jpg", "p1.jpg", "p2.jpg"});
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_EQ(result.standard_error,
              "photopages: ストリームへの書き込みエラー.\n");
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(Name(i));
      EXPECT_EQ(ReadTestFile(album.Path("p" + std::to_string(i) + ".jpg")),
                photos[i]);
      const std::string copy = album.Path(Name(i) + ".JPEG");
      const std::string page = album.Path(Name(i) + ".HTML");
      if (i < c.copies_done) {
        EXPECT_EQ(ReadTestFile(copy), photos[i]);
      } else if (c.earlier_copy) {
        EXPECT_EQ(ReadTestFile(copy), earlier_copy);
      } else {
        EXPECT_FALSE(std::filesystem::exists(copy));
      }
      if (i < c.pages_done) {
        const std::string name = AnsiFromUtf8(Name(i));
        EXPECT_EQ(ReadTestFile(page),
                  ExpectedPage(name, name + ".JPEG", "640", "480"));
      } else {
        EXPECT_EQ(ReadTestFile(page), earlier_page);
      }
    }
    for (const std::string& name : album.Names()) {
      EXPECT_NE(name.rfind(".photopages-", 0), 0u) << "left behind: " << name;
    }
  }
}

}  // namespace
}  // namespace photopages
