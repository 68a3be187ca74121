#include "platform/file_ops.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/errors.h"
#include "platform/fake_platform_for_test.h"

namespace photopages {
namespace {

constexpr UtcTime kPhotoTime = {1104635045, 123456789};
constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();

std::string PhotoBytes() {
  std::string bytes(10'000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i);
  return bytes;
}

// Puts into `fake` an album folder holding a photo and an earlier copy and
// page of it.
void AddAlbum(FakePlatform& fake) {
  fake.AddFolder("/album");
  fake.AddFile("/album/photo.jpg", PhotoBytes(), 0640, kPhotoTime);
  fake.AddFile("/album/T.JPEG", "earlier copy");
  fake.AddFile("/album/T.HTML", "earlier page");
}

bool TemporaryLeft(const FakePlatform& fake) {
  for (const auto& [path, file] : fake.files()) {
    if (path.find("/.photopages-") != std::string::npos) return true;
  }
  return false;
}

class FileOpsTest : public testing::Test {
 protected:
  FileOpsTest() { AddAlbum(fake_); }
  const FakeFile& File(const AnsiString& path) const {
    return fake_.files().at(path);
  }

  FakePlatform fake_;
};

TEST_F(FileOpsTest, CopyKeepsContentTimeAndPermissions) {
  CopyFileReplacing(fake_, "/album/photo.jpg", "/album/T.JPEG");
  EXPECT_EQ(File("/album/T.JPEG").bytes, PhotoBytes());
  EXPECT_EQ(File("/album/T.JPEG").last_write, kPhotoTime);
  EXPECT_EQ(File("/album/T.JPEG").permissions, 0640u);
  EXPECT_FALSE(TemporaryLeft(fake_));
}

TEST_F(FileOpsTest, ReadOnlyTargetWithTheSameBytesStands) {
  fake_.AddFile("/album/R.JPEG", PhotoBytes(), 0444);
  uint64_t inode = File("/album/R.JPEG").inode;
  CopyFileReplacing(fake_, "/album/photo.jpg", "/album/R.JPEG");
  EXPECT_EQ(File("/album/R.JPEG").inode, inode);
  EXPECT_FALSE(TemporaryLeft(fake_));
}

// The bytes are compared a piece at a time: a difference anywhere, even past
// the first piece, makes a read-only target one that cannot be created.
TEST_F(FileOpsTest, ReadOnlyTargetWithOtherBytesCannotBeReplaced) {
  std::string large(200'000, 'p');
  fake_.AddFile("/album/large.jpg", large);
  for (size_t at : {size_t{0}, size_t{70'000}, large.size() - 1}) {
    std::string other = large;
    other[at] = 'q';
    fake_.AddFile("/album/R.JPEG", other, 0444);
    EXPECT_THROW(CopyFileReplacing(fake_, "/album/large.jpg", "/album/R.JPEG"),
                 FileCreateError)
        << at;
    EXPECT_EQ(File("/album/R.JPEG").bytes, other);
  }
  fake_.AddFile("/album/R.JPEG", large, 0444);
  CopyFileReplacing(fake_, "/album/large.jpg", "/album/R.JPEG");
  EXPECT_EQ(File("/album/R.JPEG").bytes, large);
}

TEST_F(FileOpsTest, PageReplacesTheEarlierOne) {
  WriteFileReplacing(fake_, "/album/T.HTML", "new page");
  EXPECT_EQ(File("/album/T.HTML").bytes, "new page");
  EXPECT_EQ(File("/album/T.HTML").permissions, 0644u);
  EXPECT_FALSE(TemporaryLeft(fake_));
}

TEST_F(FileOpsTest, AFaultStopsTheStepAndLosesNothing) {
  enum Step { kCopy, kPage };
  const struct {
    const char* what;
    Step step;
    FaultKind kind;
    int nth;  // 0: no injected fault.
    uint64_t free_bytes;
    AnsiString message;
  } cases[] = {
      {"a full disk in the middle of a copy", kCopy, FaultKind::kWrite, 0,
       5'000, WriteError().Message()},
      {"a refused create", kCopy, FaultKind::kCreate, 1, kNoLimit,
       FileCreateError("/album/T.JPEG").Message()},
      {"a failed read", kCopy, FaultKind::kRead, 2, kNoLimit,
       ReadError().Message()},
      {"a failed write", kCopy, FaultKind::kWrite, 2, kNoLimit,
       WriteError().Message()},
      {"a failed rename", kCopy, FaultKind::kRename, 1, kNoLimit,
       FileCreateError("/album/T.JPEG").Message()},
      {"an unopenable photo", kCopy, FaultKind::kOpen, 1, kNoLimit,
       FileOpenError("/album/photo.jpg").Message()},
      {"a failed page write", kPage, FaultKind::kWrite, 1, kNoLimit,
       WriteError().Message()},
      {"a page on a full disk", kPage, FaultKind::kWrite, 0, 3,
       WriteError().Message()},
      {"a refused page create", kPage, FaultKind::kCreate, 1, kNoLimit,
       FileCreateError("/album/T.HTML").Message()},
      {"a failed page rename", kPage, FaultKind::kRename, 1, kNoLimit,
       FileCreateError("/album/T.HTML").Message()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakePlatform fake;
    AddAlbum(fake);
    fake.FailNth(c.kind, c.nth);
    if (c.free_bytes != kNoLimit) {
      uint64_t used = 0;
      for (const auto& [path, file] : fake.files()) used += file.bytes.size();
      fake.set_capacity(used + c.free_bytes);
    }
    const AnsiString target =
        c.step == kCopy ? "/album/T.JPEG" : "/album/T.HTML";
    const std::string earlier = fake.files().at(target).bytes;
    try {
      if (c.step == kCopy) {
        CopyFileReplacing(fake, "/album/photo.jpg", target);
      } else {
        WriteFileReplacing(fake, target, std::string(100, 'p'));
      }
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(fake.files().at(target).bytes, earlier);
    EXPECT_EQ(fake.files().at("/album/photo.jpg").bytes, PhotoBytes());
    EXPECT_EQ(fake.files().size(), 3u);
    EXPECT_FALSE(TemporaryLeft(fake));
    for (const AnsiString& path : fake.written_paths()) {
      EXPECT_TRUE(path.starts_with("/album/")) << path;
    }
  }
}

}  // namespace
}  // namespace photopages
