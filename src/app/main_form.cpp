#include "app/main_form.h"

#include <iterator>

#include "app/command_line.h"
#include "app/photo_run.h"
#include "common/paths.h"
#include "naming/format_settings.h"
#include "page/page_template.h"

namespace photopages {

MainForm::MainForm(Platform& platform)
    : platform_(platform),
      namer_(platform, ComposeFormatSettings(platform.UserLocaleSettings())),
      folder_listing_(platform),
      picture_view_(platform, picture_formats_) {}

void MainForm::ListArguments() {
  std::vector<AnsiString> arguments =
      SplitCommandLine(platform_.RawCommandLine());
  argument_count_ = arguments.size() - 1;
  input_list_.insert(input_list_.end(),
                     std::make_move_iterator(arguments.begin() + 1),
                     std::make_move_iterator(arguments.end()));
}

void MainForm::RunAlbum() {
  const AnsiString executable = platform_.ExecutablePath();
  const PathSyntax& paths = platform_.Paths();
  folder_listing_.SetDirectory(ExtractFileDir(executable, paths));
  if (argument_count_ == 0) {
    const std::vector<AnsiString>& names = folder_listing_.Items();
    input_list_.insert(input_list_.end(), names.begin(), names.end());
  }
  RunPhotos(platform_, namer_, picture_view_, input_list_,
            ExtractFilePath(executable, paths));
}

void MainForm::SettingsChanged() {
  namer_.UseSettings(ComposeFormatSettings(platform_.UserLocaleSettings()));
}

MainWindowContents MainForm::Contents() const {
  MainWindowContents contents;
  if (const Graphic* picture = picture_view_.Picture()) {
    contents.picture_decoder = [picture](int palette_colours) {
      return picture->DecodeForDisplay(palette_colours);
    };
    if (picture->Width() > 0 && picture->Height() > 0) {
      contents.picture_size =
          Size{picture_view_.Width(), picture_view_.Height()};
    }
  }
  contents.input_list = input_list_;
  contents.title_close_block = AnsiString(TitleCloseBlock());
  return contents;
}

}  // namespace photopages
