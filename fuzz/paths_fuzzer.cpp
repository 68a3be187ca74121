// The path helpers on any bytes, with both delimiter sets: the pieces must
// put the path back together, and no split may fall inside a double-byte
// character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/paths.h"

namespace {

void Check(const std::string& path, const photopages::PathSyntax& syntax) {
  using namespace photopages;
  std::string folder = ExtractFilePath(path, syntax);
  std::string name = ExtractFileName(path, syntax);
  if (folder + name != path) std::abort();
  std::string dir = ExtractFileDir(path, syntax);
  if (folder.compare(0, dir.size(), dir) != 0) std::abort();
  if (folder.size() - dir.size() > 1) std::abort();
  std::string ext = ExtractFileExt(path, syntax);
  if (name.size() < ext.size() ||
      name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
    std::abort();
  }
  if (ChangeFileExt(path, ext, syntax) != path) std::abort();
  // The folder part must end on a character boundary.
  for (size_t i = 0; i < folder.size(); ++i) {
    if (IsLeadByte(folder[i])) {
      if (++i >= folder.size()) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path(reinterpret_cast<const char*>(data), size);
  Check(path, photopages::kWindowsPaths);
  Check(path, photopages::kPosixPaths);
  return 0;
}
