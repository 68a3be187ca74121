#include "window/windows_application_window.h"

#include "common/windows_codepage.h"
#include "window/windows_screen.h"
#include "window/windows_window_class.h"
#include "window/windows_window_font.h"

namespace photopages {
namespace {

constexpr wchar_t kClassName[] = L"TApplication";

// Posted to the application window: the main window's first show.
constexpr UINT kFirstShowMessage = WM_APP + 1;

}  // namespace

StartupShow StartupShowRequest() {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0)
    return StartupShow::kNormal;
  switch (startup.wShowWindow) {
    case SW_SHOWMINNOACTIVE:
      return StartupShow::kMinimizedWithoutActivation;
    case SW_SHOWMAXIMIZED:
      return StartupShow::kMaximized;
    default:
      return StartupShow::kNormal;
  }
}

ApplicationWindow::ApplicationWindow(const AnsiString& title,
                                     MainWindowEvents& events, StartupShow show)
    : events_(events), show_(show) {
  RegisterWindowClass(kClassName, Procedure);
  // A popup of no size in the middle of the screen: seen only as the
  // taskbar entry, whose menu offers restore, minimize and close.
  window_ = CreateWindowExW(0, kClassName, WideFromAnsi(title).c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2,
                            GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), this);
  main_window_ = std::make_unique<MainWindow>(window_, WindowFontTextHeight(),
                                              ScreenPaletteColours());
}

ApplicationWindow::~ApplicationWindow() {
  main_window_.reset();
  DestroyWindow(window_);
}

void ApplicationWindow::Run() {
  events_.Created();
  // The program reads its show request itself (StartupShowRequest). Never
  // SW_SHOW, SW_SHOWNORMAL or SW_SHOWDEFAULT here: for an unowned window with
  // a caption the window manager may put the start-up request in their
  // place, and a maximized application window would cover the screen.
  if (show_ == StartupShow::kMinimizedWithoutActivation) {
    waiting_for_restore_ = true;
    ShowWindow(window_, SW_SHOWMINNOACTIVE);
  } else {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PostMessageW(window_, kFirstShowMessage, 0, 0);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT CALLBACK ApplicationWindow::Procedure(HWND window, UINT message,
                                              WPARAM wparam, LPARAM lparam) {
  auto* application = WindowObject<ApplicationWindow>(window, message, lparam);
  if (application == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  if (message == WM_NCCREATE) application->window_ = window;
  return application->Handle(message, wparam, lparam);
}

LRESULT ApplicationWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kFirstShowMessage:
      FirstShow();
      return 0;
    case WM_SIZE:
      // Restored from the taskbar (or by any other means) after a start
      // minimized without activation: now the main window is shown.
      if (waiting_for_restore_ && wparam != SIZE_MINIMIZED) {
        waiting_for_restore_ = false;
        PostMessageW(window_, kFirstShowMessage, 0, 0);
      }
      break;
    case WM_ACTIVATE:
      // Activated through its taskbar entry: the main window takes over.
      if (LOWORD(wparam) != WA_INACTIVE && main_window_ &&
          IsWindowVisible(main_window_->handle()) &&
          IsWindowEnabled(main_window_->handle())) {
        SetActiveWindow(main_window_->handle());
        return 0;
      }
      break;
    case WM_CLOSE:
      // The taskbar entry's Close closes the main window.
      SendMessageW(main_window_->handle(), WM_CLOSE, 0, 0);
      return 0;
    case WM_SETTINGCHANGE:
      events_.SettingsChanged();
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void ApplicationWindow::FirstShow() {
  if (first_shown_) return;
  first_shown_ = true;
  if (events_.FirstShow()) {
    SendMessageW(main_window_->handle(), WM_CLOSE, 0, 0);
    return;
  }
  main_window_->Show(events_.Contents(), show_ == StartupShow::kMaximized);
}

}  // namespace photopages
