#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/errors.h"
#include "page/expected_page_for_test.h"
#include "page/photo_page.h"
#include "platform/fake_platform_for_test.h"

namespace photopages {
namespace {

constexpr char kEarlierPage[] = "an earlier, longer page of the same name";

TEST(PhotoPageFaultsTest, FailedPageWriteLeavesTheEarlierPageAlone) {
  const struct {
    const char* what;
    FaultKind kind;
    int nth;              // 0: no injected fault.
    uint64_t free_bytes;  // Room left on the disk for the new page.
    AnsiString message;
  } cases[] = {
      {"write fails", FaultKind::kWrite, 1, 100'000, WriteError().Message()},
      {"disk full", FaultKind::kWrite, 0, 406, WriteError().Message()},
      {"create refused", FaultKind::kCreate, 1, 100'000,
       FileCreateError("/album/N.HTML").Message()},
      {"rename fails", FaultKind::kRename, 1, 100'000,
       FileCreateError("/album/N.HTML").Message()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakePlatform fake;
    fake.AddFolder("/album");
    fake.AddFile("/album/N.JPEG", "photo");
    fake.AddFile("/album/N.HTML", kEarlierPage);
    const std::map<AnsiString, FakeFile> before = fake.files();
    fake.FailNth(c.kind, c.nth);
    fake.set_capacity(5 + sizeof kEarlierPage - 1 + c.free_bytes);
    try {
      WritePhotoPage(fake, "/album/N.HTML", "N.JPEG", "800", "600");
      ADD_FAILURE() << "the page was written";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
    ASSERT_EQ(fake.files().size(), before.size()) << "a temporary file is left";
    EXPECT_EQ(fake.files().at("/album/N.HTML").bytes, kEarlierPage);
  }
}

TEST(PhotoPageFaultsTest, PageIsWrittenInOneWrite) {
  FakePlatform fake;
  fake.AddFolder("/album");
  WritePhotoPage(fake, "/album/" + kTimestampName + ".HTML",
                 kTimestampName + ".JPEG", "800", "600");
  EXPECT_EQ(fake.Count(FaultKind::kWrite), 1);
  EXPECT_EQ(
      fake.files().at("/album/" + kTimestampName + ".HTML").bytes,
      ExpectedPage(kTimestampName, kTimestampName + ".JPEG", "800", "600"));
}

}  // namespace
}  // namespace photopages
