#include "platform/posix_program_path.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace photopages {
namespace {

TEST(ProgramPathTest, TidyAbsolutePath) {
  const struct {
    const char* path;
    const char* tidy;
  } cases[] = {
      {"/usr/bin/photopages", "/usr/bin/photopages"},
      {"//album///./photopages", "/album/photopages"},
      {"/home/u/album/../bin/./photopages", "/home/u/bin/photopages"},
      {"/../../photopages", "/photopages"},
      {"/album/..", "/"},
      {"/album/x/", "/album/x"},
      {"/", "/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TidyAbsolutePath(c.path), c.tidy) << c.path;
  }
}

TEST(ProgramPathTest, CandidatesInTheOrderAShellTriesThem) {
  const struct {
    const char* argv0;
    const char* start_folder;
    const char* search_path;
    std::vector<std::string> candidates;
  } cases[] = {
      {"./photopages", "/home/u/album", "/bin", {"/home/u/album/photopages"}},
      {"../bin/photopages",
       "/home/u/album",
       "/bin",
       {"/home/u/bin/photopages"}},
      {"/opt/pp/photopages", "", nullptr, {"/opt/pp/photopages"}},
      {"photopages",
       "/home/u/album",
       ":/usr/bin::bin/../x:",
       {"/home/u/album/photopages", "/usr/bin/photopages",
        "/home/u/album/photopages", "/home/u/album/x/photopages",
        "/home/u/album/photopages"}},
      {"photopages", "", "/usr/bin:bin", {"/usr/bin/photopages"}},
      {"photopages", "/home/u", "", {"/home/u/photopages"}},
      {"photopages", "/home/u", nullptr, {}},
      {"../photopages", "", "/bin", {}},
      {"", "/home/u", "/bin:", {}},
  };
  for (const auto& c : cases) {
    EXPECT_THAT(ProgramPathCandidates(c.argv0, c.start_folder, c.search_path),
                testing::ElementsAreArray(c.candidates))
        << c.argv0 << " from " << c.start_folder;
  }
}

}  // namespace
}  // namespace photopages
