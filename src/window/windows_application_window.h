// The application on Win32: an invisible top-level window that carries the
// application title and the program's taskbar entry, owns the main window
// and the error box (RunErrorBox), and runs the event loop in which the main
// window is first shown.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_APPLICATION_WINDOW_H_
#define PHOTOPAGES_WINDOW_WINDOWS_APPLICATION_WINDOW_H_

#include <memory>

#include "common/ansi.h"
#include "common/windows_api.h"
#include "window/backend.h"
#include "window/windows_main_window.h"

namespace photopages {

// How the program was asked to show its window when it was started.
enum class StartupShow {
  kNormal,
  // The main window is shown maximized after the run.
  kMaximized,
  // Only the taskbar entry shows, minimized, and the first show (and so the
  // run) waits until the user restores the program.
  kMinimizedWithoutActivation,
};

// The request of the process's start-up information (STARTUPINFO
// wShowWindow): SW_SHOWMINNOACTIVE and SW_SHOWMAXIMIZED have their meaning,
// every other request, plain minimized included, is normal.
StartupShow StartupShowRequest();

class ApplicationWindow {
 public:
  // The application window titled `title`, hidden, and the main window it
  // owns, hidden too. `events` must outlive this object.
  ApplicationWindow(const AnsiString& title, MainWindowEvents& events,
                    StartupShow show);
  ~ApplicationWindow();
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  // events.Created(); then shows the taskbar entry and runs the event loop
  // until the main window is closed. The first show comes at once, or, when
  // started minimized without activation, when the user restores the
  // program: events.FirstShow(), then the main window closed after a
  // complete run or shown with events.Contents() after one that stopped.
  void Run();

  HWND handle() const { return window_; }
  const MainWindow& main_window() const { return *main_window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void FirstShow();

  MainWindowEvents& events_;
  StartupShow show_;
  HWND window_ = nullptr;
  std::unique_ptr<MainWindow> main_window_;
  bool waiting_for_restore_ = false;
  bool first_shown_ = false;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_APPLICATION_WINDOW_H_
