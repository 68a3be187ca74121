// The main window's contents and handlers: the input list, the folder
// listing, the picture view and the two handlers that fill the list and perform
// the photo run.
#ifndef PHOTOPAGES_APP_MAIN_FORM_H_
#define PHOTOPAGES_APP_MAIN_FORM_H_

#include <vector>

#include "app/folder_listing.h"
#include "common/ansi.h"
#include "naming/timestamp_name.h"
#include "picture/picture_formats.h"
#include "picture/picture_view.h"
#include "platform/platform.h"
#include "window/application.h"

namespace photopages {

class MainForm : public MainFormHandlers {
 public:
  explicit MainForm(Platform& platform);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Appends the command-line arguments, in order, to the input list.
  void ListArguments() override;

  // Makes the program folder the current directory, completes the input list
  // from its listing when there were no arguments, and runs every photo.
  // Throws the first error of the run.
  void RunAlbum() override;

  // The system announced a change of the user's settings (on Windows,
  // WM_SETTINGCHANGE): the locale settings are read again, and a run that
  // has not happened yet names its photos with them.
  void SettingsChanged() override;

  MainWindowContents Contents() const override;

  const std::vector<AnsiString>& InputList() const { return input_list_; }

 private:
  Platform& platform_;
  TimestampNamer namer_;
  FolderListing folder_listing_;
  PictureFormats picture_formats_;
  PictureView picture_view_;
  std::vector<AnsiString> input_list_;
  size_t argument_count_ = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_APP_MAIN_FORM_H_
