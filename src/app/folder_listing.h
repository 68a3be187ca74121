// The hidden folder listing of the main window.
#ifndef PHOTOPAGES_APP_FOLDER_LISTING_H_
#define PHOTOPAGES_APP_FOLDER_LISTING_H_

#include <optional>
#include <vector>

#include "common/ansi.h"
#include "platform/platform.h"

namespace photopages {

// The bare names of the ordinary files of one folder, sorted for the user's
// locale without regard to letter case. A snapshot: each reading makes the
// folder the current directory and replaces the entries.
class FolderListing {
 public:
  explicit FolderListing(Platform& platform) : platform_(platform) {}
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  // Points the listing at `folder`. The first call reads the folder the
  // listing was created in (the current directory at start-up); the listing
  // then reads `folder` unless it is that same folder.
  // Throws InOutError when a folder cannot be entered.
  void SetDirectory(const AnsiString& folder);

  const std::vector<AnsiString>& Items() const { return items_; }

 private:
  void Read();

  Platform& platform_;
  std::optional<AnsiString> directory_;
  std::vector<AnsiString> items_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_APP_FOLDER_LISTING_H_
