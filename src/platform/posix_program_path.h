// Where the running program was started from, worked out the way the kernel
// and a shell found it, without resolving symbolic links: a link to the
// program in an album stands for a program in that album.
#ifndef PHOTOPAGES_PLATFORM_POSIX_PROGRAM_PATH_H_
#define PHOTOPAGES_PLATFORM_POSIX_PROGRAM_PATH_H_

#include <string>
#include <string_view>
#include <vector>

namespace photopages {

// The absolute `path` with "." and empty parts taken out and each ".."
// taking out the part before it; ".." at the root stays at the root, as the
// kernel has it. Links are not looked at: "/a/link/../b" gives "/a/b"
// wherever "link" points.
// REQUIRES: `path` starts with "/".
std::string TidyAbsolutePath(std::string_view path);

// The paths at which the program started as `argv0` from `start_folder` may
// be, absolute and tidied, in the order a shell tries them: `argv0` itself
// when it holds a "/"; otherwise `argv0` in each folder of `search_path` (the
// value of PATH, nullptr when PATH is unset), an empty folder standing for
// the start folder. Relative paths are taken against `start_folder`, and
// left out when it is empty (not known). An empty `argv0` gives none.
std::vector<std::string> ProgramPathCandidates(std::string_view argv0,
                                               std::string_view start_folder,
                                               const char* search_path);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_PROGRAM_PATH_H_
