#include "platform/posix_program_path.h"

#include <algorithm>

namespace photopages {

std::string TidyAbsolutePath(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = std::min(path.find('/', start), path.size());
    std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  if (parts.empty()) return "/";
  std::string tidy;
  for (std::string_view part : parts) {
    tidy += '/';
    tidy += part;
  }
  return tidy;
}

std::vector<std::string> ProgramPathCandidates(std::string_view argv0,
                                               std::string_view start_folder,
                                               const char* search_path) {
  std::vector<std::string> candidates;
  auto add = [&](std::string_view folder) {
    std::string path(folder);
    if (!path.empty()) path += '/';
    path += argv0;
    if (path.starts_with('/')) {
      candidates.push_back(TidyAbsolutePath(path));
    } else if (!start_folder.empty()) {
      candidates.push_back(
          TidyAbsolutePath(std::string(start_folder) + "/" + path));
    }
  };
  if (argv0.empty()) return candidates;
  if (argv0.find('/') != std::string_view::npos) {
    add("");
    return candidates;
  }
  if (search_path == nullptr) return candidates;
  std::string_view folders(search_path);
  size_t start = 0;
  while (true) {
    size_t end = folders.find(':', start);
    add(folders.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return candidates;
}

}  // namespace photopages
