// The least that Linux must do for photopages' job when, like photopages, it
// never leaves a half-written file, for bench.py. usage: posix_atomic_floor
// FOLDER [PHOTO ...]. For each photo (with none, each ordinary file of the
// current folder), a copy made without a name in FOLDER (O_TMPFILE), filled
// in the kernel (copy_file_range), given the photo's permission bits and
// last-write time and then named (linkat), and a page of 500 bytes made and
// named the same way. It makes none of photopages' checks and keeps no name
// of its own: it times what any program doing the job atomically must do.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// Names the unnamed file `fd` `name`. False when the system refuses.
bool Name(int fd, const std::string& name) {
  if (linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  return linkat(AT_FDCWD, link.c_str(), AT_FDCWD, name.c_str(),
                AT_SYMLINK_FOLLOW) == 0;
}

bool Publish(const std::string& folder, const std::string& photo,
             const std::string& page) {
  const std::string name = folder + "/" + photo.substr(photo.rfind('/') + 1);
  const int in = open(photo.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status;
  if (in < 0 || fstat(in, &status) != 0) return false;
  const int copy = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  const timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
  bool done = copy >= 0;
  for (off_t left = status.st_size; done && left > 0;) {
    const ssize_t n = copy_file_range(in, nullptr, copy, nullptr, left, 0);
    done = n > 0;
    left -= n;
  }
  done = done && fchmod(copy, status.st_mode & 07777) == 0 &&
         futimens(copy, times) == 0 && Name(copy, name + ".JPEG");
  close(in);
  close(copy);
  const int html = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  done = done && html >= 0 &&
         write(html, page.data(), page.size()) ==
             static_cast<ssize_t>(page.size()) &&
         Name(html, name + ".HTML");
  close(html);
  return done;
}

// Every ordinary file of the current folder.
std::vector<std::string> FolderPhotos() {
  std::vector<std::string> photos;
  DIR* folder = opendir(".");
  while (const dirent* entry = folder ? readdir(folder) : nullptr) {
    if (entry->d_type == DT_REG) photos.push_back(entry->d_name);
  }
  if (folder) closedir(folder);
  return photos;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::vector<std::string> photos(argv + 2, argv + argc);
  if (photos.empty()) photos = FolderPhotos();
  const std::string page(500, 'x');
  for (const std::string& photo : photos) {
    if (!Publish(argv[1], photo, page)) {
      perror(photo.c_str());
      return 1;
    }
  }
  return 0;
}
