#include "platform/fake_platform_for_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/errors.h"

namespace photopages {
namespace {

TEST(FakePlatformTest, FoldersListingAndRelativePaths) {
  FakePlatform fake;
  fake.AddFolder("/album");
  fake.AddFolder("/album/sub");
  for (const char* path : {"/album/b.JPEG", "/album/A.HTML", "/album/a.JPEG",
                           "/album/.hidden", "/album/sub/x", "/other"}) {
    fake.AddFile(path, "x");
  }
  EXPECT_THAT(fake.ListOrdinaryFiles("/album"),
              testing::ElementsAre("A.HTML", "a.JPEG", "b.JPEG"));

  fake.SetCurrentDirectory("/album");
  EXPECT_EQ(fake.CurrentDirectory(), "/album");
  EXPECT_THAT(fake.ListOrdinaryFiles("sub"), testing::ElementsAre("x"));
  EXPECT_EQ(fake.OpenInput("b.JPEG")->Size(), 1u);
  EXPECT_TRUE(fake.Inspect("sub").is_directory);

  const struct {
    const char* folder;
    int code;
  } failures[] = {{"/missing", 2}, {"/other", 3}, {"missing", 2}};
  for (const auto& c : failures) {
    try {
      fake.SetCurrentDirectory(c.folder);
      ADD_FAILURE() << c.folder;
    } catch (const InOutError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << c.folder;
    }
  }
}

TEST(FakePlatformTest, FaultsCountOperationsOfTheirKind) {
  FakePlatform fake;
  fake.AddFolder("/album");
  fake.AddFile("/album/a", "abc");
  fake.FailNth(FaultKind::kOpen, 2);
  EXPECT_NO_THROW(fake.OpenInput("/album/a"));
  EXPECT_THROW(fake.OpenInput("/album/a"), FileOpenError);
  EXPECT_NO_THROW(fake.OpenInput("/album/a"));
  EXPECT_EQ(fake.Count(FaultKind::kOpen), 3);
  EXPECT_EQ(fake.Count(FaultKind::kWrite), 0);

  auto output = fake.CreateOutput("/album/b");
  EXPECT_EQ(fake.files().size(), 2u);  // The temporary file is visible.
  output->Write("xyz", 3);
  output->Commit();
  EXPECT_EQ(fake.files().at("/album/b").bytes, "xyz");
  EXPECT_THROW(fake.CreateOutput("/nowhere/b"), FileCreateError);
}

TEST(FakePlatformTest, LocalTimeIsShiftedUtc) {
  FakePlatform fake;
  fake.set_utc_offset_seconds(9 * 3600);
  fake.set_now({1104635045, 678'000'000});  // 2005-01-02 03:04:05.678 UTC.
  EXPECT_EQ(fake.Now(), (LocalDateTime{2005, 1, 2, 12, 4, 5, 678}));
  EXPECT_EQ(fake.ToLocalTime({-1, 999'999'999}),
            (LocalDateTime{1970, 1, 1, 8, 59, 59, 999}));
  // 10000-01-01 00:00:00 UTC, beyond the years a date may have.
  EXPECT_EQ(fake.ToLocalTime({253402300800, 0}),
            (LocalDateTime{10000, 1, 1, 9, 0, 0, 0}));
}

}  // namespace
}  // namespace photopages
