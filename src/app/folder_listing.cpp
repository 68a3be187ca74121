#include "app/folder_listing.h"

namespace photopages {

void FolderListing::SetDirectory(const AnsiString& folder) {
  if (!directory_) {
    directory_ = platform_.CurrentDirectory();
    Read();
  }
  // Folder names are compared exactly: on a file system that tells letter
  // case apart, /Album and /album are two folders.
  if (folder != *directory_) {
    directory_ = folder;
    Read();
  }
}

void FolderListing::Read() {
  platform_.SetCurrentDirectory(*directory_);
  items_ = platform_.ListOrdinaryFiles(*directory_);
}

}  // namespace photopages
