#include "app/main_form.h"

#include "app/command_line.h"
#include "app/photo_run.h"
#include "common/paths.h"
#include "naming/format_settings.h"
#include "page/page_template.h"

namespace photopages {

MainForm::MainForm(Platform& platform)
    : platform_(platform),
      namer_(platform, ComposeFormatSettings(platform.UserLocaleSettings())),
      file_list_box1_(platform),
      image1_(platform, picture_formats_) {}

void MainForm::FormCreate() {
  std::vector<AnsiString> arguments =
      SplitCommandLine(platform_.RawCommandLine());
  argument_count_ = arguments.size() - 1;
  list_box1_.insert(list_box1_.end(), arguments.begin() + 1, arguments.end());
}

void MainForm::FormShow() {
  const AnsiString executable = platform_.ExecutablePath();
  const PathSyntax& paths = platform_.Paths();
  file_list_box1_.SetDirectory(ExtractFileDir(executable, paths));
  if (argument_count_ == 0) {
    const std::vector<AnsiString>& names = file_list_box1_.Items();
    list_box1_.insert(list_box1_.end(), names.begin(), names.end());
  }
  RunPhotos(platform_, namer_, image1_, list_box1_,
            ExtractFilePath(executable, paths));
}

void MainForm::SettingsChanged() {
  namer_.UseSettings(ComposeFormatSettings(platform_.UserLocaleSettings()));
}

MainWindowContents MainForm::Contents() const {
  MainWindowContents contents;
  if (const TGraphic* picture = image1_.Picture()) {
    contents.image1_decoder = [picture](int palette_colours) {
      return picture->DecodeForDisplay(palette_colours);
    };
    if (picture->Width() > 0 && picture->Height() > 0) {
      contents.image1_size = Size{image1_.Width(), image1_.Height()};
    }
  }
  contents.list_box1 = list_box1_;
  contents.memo1b = AnsiString(Memo1B());
  return contents;
}

}  // namespace photopages
