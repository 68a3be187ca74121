// The hidden work folders in which the Windows platform makes its temporary
// files: one inside each folder that files are written to, on the same
// volume, so that a temporary file still reaches its target by one rename.
// A new name is found at once in a folder of a few names, while Wine, which
// looks for a name that does not exist without regard to case by reading the
// whole folder, would read an album of thousands of photos for each new
// temporary name beside its target.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_WORK_FOLDERS_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_WORK_FOLDERS_H_

#include <map>
#include <string>
#include <string_view>

namespace photopages {

// The work folder of a run, made in each folder when first needed there.
class WindowsWorkFolders {
 public:
  WindowsWorkFolders() = default;
  WindowsWorkFolders(const WindowsWorkFolders&) = delete;
  WindowsWorkFolders& operator=(const WindowsWorkFolders&) = delete;
  // Removes each work folder handed out, unless something is left in it.
  ~WindowsWorkFolders();

  // The work folder, extended and without separator, for the files of
  // `folder`, extended and with its separator: ".photopages-work" there,
  // made hidden on the first call for that folder. Empty when none can be
  // made there (the folder cannot be written to, a file or a link takes that
  // name): the temporary files then lie beside their targets.
  const std::wstring& For(const std::wstring& folder);

  // Makes the hidden work folder `work`, or takes the folder that is already
  // there. False when `work` is or becomes no folder of its own.
  static bool Make(const std::wstring& work);

 private:
  std::map<std::wstring, std::wstring> work_of_folder_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_WORK_FOLDERS_H_
