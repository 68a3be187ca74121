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

int RunApplication(const AnsiString& title, MainFormHandlers& form,
                   WindowBackend& backend) {
  // Reports the error of `handler`, if any; true when there was none.
  auto handled = [&](void (MainFormHandlers::*handler)()) {
    try {
      (form.*handler)();
      return true;
    } catch (const std::exception& error) {
      backend.ShowErrorBox(title, ErrorBoxText(error.what()));
      return false;
    }
  };
  const bool created = handled(&MainFormHandlers::FormCreate);
  if (!handled(&MainFormHandlers::FormShow)) {
    backend.ShowMainWindowUntilClosed(title, form.Contents());
    return 1;
  }
  backend.Beep();
  return created ? 0 : 1;
}

}  // namespace photopages
