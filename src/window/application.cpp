#include "window/application.h"

#include <exception>

namespace photopages {

AnsiString ApplicationTitle(std::string_view executable_path,
                            const PathSyntax& paths) {
  AnsiString name = ExtractFileName(executable_path, paths);
  name = name.substr(0, name.find('.'));
  if (name.empty()) return name;
  size_t first = CharLength(name[0]);
  if (first >= name.size()) return name;
  return name.substr(0, first) + AnsiLowerCase(name.substr(first));
}

AnsiString ErrorBoxText(const AnsiString& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

namespace {

// The application's side of the main window's life: MainForm's handlers, each
// error shown in the error box, the beep after a complete run.
class ApplicationEvents : public MainWindowEvents {
 public:
  ApplicationEvents(const AnsiString& title, MainFormHandlers& form,
                    WindowBackend& backend)
      : title_(title), form_(form), backend_(backend) {}

  void Created() override {
    created_ = RanWithoutError(&MainFormHandlers::ListArguments);
  }
  bool FirstShow() override {
    if (!RanWithoutError(&MainFormHandlers::RunAlbum)) return false;
    backend_.Beep();
    complete_ = true;
    return true;
  }
  MainWindowContents Contents() const override { return form_.Contents(); }
  void SettingsChanged() override {
    RanWithoutError(&MainFormHandlers::SettingsChanged);
  }

  int ExitCode() const { return created_ && complete_ ? 0 : 1; }

 private:
  // Reports the error of `handler`, if any; true when there was none.
  bool RanWithoutError(void (MainFormHandlers::*handler)()) {
    try {
      (form_.*handler)();
      return true;
    } catch (const std::exception& error) {
      backend_.ShowErrorBox(title_, ErrorBoxText(error.what()));
      return false;
    }
  }

  const AnsiString& title_;
  MainFormHandlers& form_;
  WindowBackend& backend_;
  bool created_ = false;
  bool complete_ = false;
};

}  // namespace

int RunApplication(const AnsiString& title, MainFormHandlers& form,
                   WindowBackend& backend) {
  ApplicationEvents events(title, form, backend);
  backend.RunMainWindow(title, events);
  return events.ExitCode();
}

}  // namespace photopages
