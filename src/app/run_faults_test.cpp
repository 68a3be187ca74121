// The whole run on the fake platform with one fault at a time: every open,
// read, write, create and rename that a clean run makes fails in turn, and
// the disk fills up in the middle of every file the run writes. Each time the
// run must stop with the matching error and lose nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <typeinfo>
#include <vector>

#include "app/main_form.h"
#include "common/codepage.h"
#include "common/errors.h"
#include "picture/jpeg_samples_for_test.h"
#include "platform/fake_platform_for_test.h"

namespace photopages {
namespace {

using test::EncodeJpeg;
using test::SampleColour;

// 2005-01-02 03:04:05 UTC.
constexpr int64_t kJanuary2005 = 1104635045;
constexpr char kProgramFolder[] = "/album/";

struct Photo {
  AnsiString path;  // As given on the command line.
  std::string bytes;
  unsigned permissions;
  UtcTime last_write;
};

// Photos of several pictures, one wider than a page shows, one read-only, one
// from outside the program folder, each large enough to take several reads
// and writes to copy.
const std::vector<Photo>& Photos() {
  static const auto* const photos = new std::vector<Photo>{
      {"a.jpg",
       EncodeJpeg({.width = 1000, .height = 160}),
       0644,
       {kJanuary2005}},
      {"/photos/e.jpg",
       EncodeJpeg({.width = 90, .height = 120}),
       0644,
       {kJanuary2005 + 1}},
      {"b.jpg",
       EncodeJpeg({.width = 200,
                   .height = 50,
                   .colour = SampleColour::kGrayscale,
                   .progressive = true}),
       0640,
       {kJanuary2005 + 2}},
      {"c.jpg",
       EncodeJpeg({.width = 40, .height = 300}),
       0644,
       {kJanuary2005 + 3}},
      {"d.jpg",
       EncodeJpeg({.width = 60, .height = 60}),
       0444,
       {kJanuary2005 + 4}},
  };
  return *photos;
}

// The program in /album and every photo, named in order on the command line
// of a program started in /start; then `earlier` files from earlier runs.
void SetUpAlbum(FakePlatform& fake,
                const std::map<AnsiString, FakeFile>& earlier = {}) {
  for (const char* folder : {"/start", "/album", "/photos"}) {
    fake.AddFolder(folder);
  }
  fake.SetCurrentDirectory("/start");
  fake.set_executable_path("/album/photopages");
  fake.AddFile("/album/photopages", "program", 0755);
  AnsiString command_line = "\"/album/photopages\"";
  for (const Photo& photo : Photos()) {
    fake.AddFile(
        photo.path[0] == '/' ? photo.path : kProgramFolder + photo.path,
        photo.bytes, photo.permissions, photo.last_write);
    command_line += " \"" + photo.path + "\"";
  }
  fake.set_command_line(command_line);
  for (const auto& [path, file] : earlier) {
    fake.AddFile(path, file.bytes, file.permissions, file.last_write);
  }
}

// The error that stopped a run: its class and its message in UTF-8.
struct RunError {
  std::string type;
  std::string message;
  bool operator==(const RunError&) const = default;
};

void PrintTo(const RunError& error, std::ostream* out) {
  *out << error.type << " \"" << error.message << "\"";
}

RunError ErrorOf(const Exception& error) {
  return {typeid(error).name(), Utf8FromAnsi(error.Message())};
}

// Runs the main form's handlers on `fake`; the error that stopped the run, if
// any.
std::optional<RunError> RunForm(FakePlatform& fake) {
  MainForm form(fake);
  try {
    form.ListArguments();
    form.RunAlbum();
  } catch (const Exception& error) {
    return ErrorOf(error);
  }
  return std::nullopt;
}

// The files a run put in place (created or renamed to), in order, without
// the temporary files it wrote them under.
std::vector<AnsiString> Committed(const FakePlatform& fake) {
  std::vector<AnsiString> committed;
  for (const AnsiString& path : fake.written_paths()) {
    if (path.find("/.photopages-") == AnsiString::npos) {
      committed.push_back(path);
    }
  }
  return committed;
}

bool SameFile(const FakeFile& a, const FakeFile& b) {
  return a.bytes == b.bytes && a.permissions == b.permissions &&
         a.last_write == b.last_write;
}

// An album and what a clean run over it does.
struct CleanRun {
  std::map<AnsiString, FakeFile> earlier;  // Put in before the run.
  std::map<AnsiString, FakeFile> before;   // Every file before the run.
  std::map<AnsiString, FakeFile> after;    // Every file after the run.
  std::vector<AnsiString> outputs;         // The target of every file written.
  std::vector<AnsiString> committed;
  std::vector<AnsiString> opened;
  std::map<FaultKind, int> counts;
};

// The album as earlier runs left it: an earlier copy at the target of photo
// b, an earlier page at the page of photo c, and the read-only copy of the
// read-only photo d, which stands as its copy. Names are those of a clean run
// over the bare album, so they follow whatever date settings the test runs
// under.
CleanRun PrepareCleanRun() {
  FakePlatform bare;
  SetUpAlbum(bare);
  EXPECT_EQ(RunForm(bare), std::nullopt);
  const std::vector<AnsiString> targets = Committed(bare);
  EXPECT_EQ(targets.size(), 2 * Photos().size());

  // Photo i's copy and page are the run's files 2i and 2i + 1.
  const AnsiString& copy_b = targets[2 * 2];
  const AnsiString& page_c = targets[2 * 3 + 1];
  const AnsiString& copy_d = targets[2 * 4];
  CleanRun clean;
  clean.outputs = targets;
  clean.earlier[copy_b] = {
      EncodeJpeg({.width = 8, .height = 8}), 0600, {kJanuary2005 - 1}};
  clean.earlier[page_c] = {"an earlier page", 0644, {}};
  clean.earlier[copy_d] = bare.files().at(copy_d);

  FakePlatform fake;
  SetUpAlbum(fake, clean.earlier);
  clean.before = fake.files();
  EXPECT_EQ(RunForm(fake), std::nullopt);
  clean.after = fake.files();
  clean.committed = Committed(fake);
  clean.opened = fake.opened_paths();
  for (FaultKind kind :
       {FaultKind::kRead, FaultKind::kWrite, FaultKind::kCreate,
        FaultKind::kRename, FaultKind::kOpen}) {
    clean.counts[kind] = fake.Count(kind);
  }
  // Each output is created once and committed once, but for the copy of d:
  // it finds the read-only copy of an earlier run holding its bytes, which
  // stands, and is dropped.
  EXPECT_EQ(clean.committed.size(), targets.size() - 1);
  EXPECT_EQ(clean.counts[FaultKind::kCreate], targets.size());
  EXPECT_EQ(clean.counts[FaultKind::kRename], targets.size());
  return clean;
}

// Checks the files after a run that stopped after committing `done` of the
// clean run's files (when given; otherwise any first ones): those are as the
// clean run left them, the rest of the clean run's targets and every other
// file are as they were before the run, and nothing else is there (no
// temporary file). Nothing was written outside the program folder.
void ExpectNothingLost(const FakePlatform& fake, const CleanRun& clean,
                       std::optional<size_t> done = std::nullopt) {
  const std::vector<AnsiString> committed = Committed(fake);
  ASSERT_LE(committed.size(), clean.committed.size());
  ASSERT_TRUE(
      std::equal(committed.begin(), committed.end(), clean.committed.begin()))
      << "the run wrote other files than the clean run";
  if (done) {
    EXPECT_EQ(committed.size(), *done);
  }
  std::map<AnsiString, const FakeFile*> expected;
  for (const auto& [path, file] : clean.before) expected[path] = &file;
  for (size_t i = 0; i < clean.committed.size(); ++i) {
    const AnsiString& path = clean.committed[i];
    if (i < committed.size()) {
      expected[path] = &clean.after.at(path);
    } else if (clean.before.count(path) == 0) {
      expected.erase(path);
    }
  }
  for (const auto& [path, file] : fake.files()) {
    auto it = expected.find(path);
    if (it == expected.end()) {
      ADD_FAILURE() << "unexpected file " << Utf8FromAnsi(path);
    } else {
      EXPECT_TRUE(SameFile(file, *it->second))
          << Utf8FromAnsi(path) << " is not as it should be";
    }
  }
  EXPECT_EQ(fake.files().size(), expected.size()) << "a file is missing";
  for (const AnsiString& path : fake.written_paths()) {
    EXPECT_EQ(path.rfind(kProgramFolder, 0), 0u)
        << "written outside the program folder: " << Utf8FromAnsi(path);
  }
}

// The error that the `n`th operation of `kind` gives when it fails.
RunError ExpectedError(FaultKind kind, int n, const CleanRun& clean) {
  switch (kind) {
    case FaultKind::kRead:
      return ErrorOf(ReadError());
    case FaultKind::kWrite:
      return ErrorOf(WriteError());
    case FaultKind::kCreate:
    case FaultKind::kRename:
      return ErrorOf(FileCreateError(clean.outputs.at(n - 1)));
    case FaultKind::kOpen:
      return ErrorOf(FileOpenError(clean.opened.at(n - 1)));
  }
  return {};
}

TEST(RunFaultsTest, EveryFailingOperationStopsTheRunAndLosesNothing) {
  const CleanRun clean = PrepareCleanRun();
  ASSERT_GT(clean.counts.at(FaultKind::kRead),
            4 * static_cast<int>(Photos().size()))
      << "the largest photo should take several reads to copy";
  const struct {
    FaultKind kind;
    const char* name;
  } kinds[] = {
      {FaultKind::kOpen, "open"},     {FaultKind::kRead, "read"},
      {FaultKind::kWrite, "write"},   {FaultKind::kCreate, "create"},
      {FaultKind::kRename, "rename"},
  };
  for (const auto& k : kinds) {
    const int count = clean.counts.at(k.kind);
    for (int n = 1; n <= count + 1; ++n) {
      SCOPED_TRACE(std::string("failing ") + k.name + " " + std::to_string(n) +
                   " of " + std::to_string(count));
      FakePlatform fake;
      SetUpAlbum(fake, clean.earlier);
      fake.FailNth(k.kind, n);
      const std::optional<RunError> error = RunForm(fake);
      if (n > count) {
        EXPECT_EQ(error, std::nullopt);
        ExpectNothingLost(fake, clean, clean.committed.size());
        continue;
      }
      const bool output_fault =
          k.kind == FaultKind::kCreate || k.kind == FaultKind::kRename;
      if (!output_fault) {
        EXPECT_EQ(error, ExpectedError(k.kind, n, clean));
        ExpectNothingLost(fake, clean);
        continue;
      }
      // A refused rename of a copy that an earlier copy stands for is no
      // error.
      const AnsiString& output = clean.outputs.at(n - 1);
      const bool stands =
          std::find(clean.committed.begin(), clean.committed.end(), output) ==
          clean.committed.end();
      if (k.kind == FaultKind::kRename && stands) {
        EXPECT_EQ(error, std::nullopt);
        ExpectNothingLost(fake, clean, clean.committed.size());
        continue;
      }
      EXPECT_EQ(error, ExpectedError(k.kind, n, clean));
      const auto before = clean.outputs.begin() + (n - 1);
      ExpectNothingLost(
          fake, clean,
          std::count_if(
              clean.outputs.begin(), before, [&](const AnsiString& target) {
                return std::find(clean.committed.begin(), clean.committed.end(),
                                 target) != clean.committed.end();
              }));
    }
  }
}

TEST(RunFaultsTest, AFullDiskStopsTheRunInTheFileItFillsAndLosesNothing) {
  const CleanRun clean = PrepareCleanRun();
  uint64_t used = 0;
  for (const auto& [path, file] : clean.before) used += file.bytes.size();
  // The most the disk has held so far: a file being written and the earlier
  // file it replaces are both on the disk until it is in place.
  uint64_t peak = used;
  for (size_t i = 0; i < clean.committed.size(); ++i) {
    const AnsiString& path = clean.committed[i];
    const uint64_t size = clean.after.at(path).bytes.size();
    // The room left as file i is written, from the least that lets every
    // file before it be written: none, half of it, all but a byte.
    const uint64_t least = peak - used;
    for (uint64_t room : {least, (least + size) / 2, size - 1}) {
      if (room < least || room >= size) continue;
      SCOPED_TRACE(Utf8FromAnsi(path) + " with room for " +
                   std::to_string(room) + " of " + std::to_string(size) +
                   " bytes");
      FakePlatform fake;
      SetUpAlbum(fake, clean.earlier);
      fake.set_capacity(used + room);
      EXPECT_EQ(RunForm(fake), ErrorOf(WriteError()));
      ExpectNothingLost(fake, clean, i);
    }
    peak = std::max(peak, used + size);
    auto replaced = clean.before.find(path);
    used +=
        size -
        (replaced == clean.before.end() ? 0 : replaced->second.bytes.size());
  }
}

}  // namespace
}  // namespace photopages
