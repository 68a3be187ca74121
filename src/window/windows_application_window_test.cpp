// The application window's life under Wine on Xvfb, in this process: when
// the first show comes, what is seen, and the error box's ownership.
#include "window/windows_application_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "window/windows_error_box.h"
#include "window/windows_window_for_test.h"

namespace photopages {
namespace {

// Records the life as the backend drives it; the run is complete or not as
// the test says, and `during_first_show` looks around while it lasts.
class ScriptedEvents : public MainWindowEvents {
 public:
  explicit ScriptedEvents(bool complete) : complete_(complete) {}
  void Created() override { log.push_back("created"); }
  bool FirstShow() override {
    log.push_back("first show");
    if (during_first_show) during_first_show();
    return complete_;
  }
  MainWindowContents Contents() const override { return {}; }
  void SettingsChanged() override { log.push_back("settings changed"); }

  std::vector<std::string> log;
  std::function<void()> during_first_show;

 private:
  bool complete_;
};

// Calls `action` from this thread's event loop every `milliseconds` until it
// returns false; ends the loop after ten seconds whatever happens, so that a
// test fails rather than hangs.
class Ticker {
 public:
  Ticker(UINT milliseconds, std::function<bool()> action) {
    action_ = std::move(action);
    timer_ =
        SetTimer(nullptr, 0, milliseconds, [](HWND, UINT, UINT_PTR, DWORD) {
          if (!action_()) KillTimer(nullptr, timer_);
        });
    guard_ = SetTimer(nullptr, 0, 10'000,
                      [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
  }
  ~Ticker() {
    KillTimer(nullptr, timer_);
    KillTimer(nullptr, guard_);
  }

 private:
  static inline std::function<bool()> action_;
  static inline UINT_PTR timer_ = 0;
  UINT_PTR guard_ = 0;
};

// The classes of the windows that this thread showed while it was set.
class ShowRecorder {
 public:
  ShowRecorder() {
    shown.clear();
    hook_ = SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM wparam, LPARAM lparam) -> LRESULT {
          const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
          if (code == HC_ACTION && call->message == WM_SHOWWINDOW &&
              call->wParam) {
            wchar_t name[64] = L"";
            GetClassNameW(call->hwnd, name, 64);
            shown.push_back(name);
          }
          return CallNextHookEx(nullptr, code, wparam, lparam);
        },
        nullptr, GetCurrentThreadId());
  }
  ~ShowRecorder() { UnhookWindowsHookEx(hook_); }

  static inline std::vector<std::wstring> shown;

 private:
  HHOOK hook_;
};

TEST(WindowsApplicationWindowTest, CompleteRunNeverShowsTheMainWindow) {
  ScriptedEvents events(true);
  ApplicationWindow application("Photopages", events, StartupShow::kNormal);
  // The taskbar entry is there before the run; the main window is not.
  events.during_first_show = [&] {
    EXPECT_TRUE(IsWindowVisible(application.handle()));
    EXPECT_FALSE(IsWindowVisible(application.main_window().handle()));
  };
  ShowRecorder recorder;
  application.Run();
  EXPECT_EQ(events.log, (std::vector<std::string>{"created", "first show"}));
  EXPECT_EQ(ShowRecorder::shown, std::vector<std::wstring>{L"TApplication"});
}

TEST(WindowsApplicationWindowTest, MinimizedStartRunsWhenRestored) {
  ScriptedEvents events(true);
  ApplicationWindow application("Photopages", events,
                                StartupShow::kMinimizedWithoutActivation);
  int ticks = 0;
  Ticker ticker(100, [&] {
    if (++ticks < 3) return true;
    // A while later only the minimized taskbar entry is there, and settings
    // changed meanwhile reach the run that is still to come.
    EXPECT_TRUE(IsIconic(application.handle()));
    EXPECT_FALSE(IsWindowVisible(application.main_window().handle()));
    EXPECT_EQ(events.log, std::vector<std::string>{"created"});
    SendMessageW(application.handle(), WM_SETTINGCHANGE, 0,
                 reinterpret_cast<LPARAM>(L"intl"));
    // The taskbar entry's Restore.
    PostMessageW(application.handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    return false;
  });
  application.Run();
  EXPECT_EQ(events.log, (std::vector<std::string>{"created", "settings changed",
                                                  "first show"}));
}

TEST(WindowsApplicationWindowTest, ErrorBoxOwnedWithTheMainWindowDisabled) {
  ScriptedEvents events(false);
  ApplicationWindow application("Photopages", events, StartupShow::kNormal);
  const HWND main_window = application.main_window().handle();
  HWND active =
      CreateWindowExW(0, L"STATIC", L"active", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                      50, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(active);
  ASSERT_EQ(GetActiveWindow(), active);
  bool seen = false;
  Ticker ticker(20, [&] {
    // This thread's box: other tests' programs may show theirs meanwhile.
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
          wchar_t name[16] = L"";
          GetClassNameW(window, name, 16);
          if (std::wstring(name) != L"#32770") return TRUE;
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return true;
    seen = true;
    EXPECT_EQ(GetWindow(box, GW_OWNER), application.handle());
    EXPECT_FALSE(IsWindowEnabled(main_window));
    EXPECT_FALSE(IsWindowEnabled(application.handle()));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return false;
  });
  RunErrorBox(application.handle(), "Photopages", "JPEG error");
  EXPECT_TRUE(seen);
  EXPECT_TRUE(IsWindowEnabled(main_window));
  EXPECT_TRUE(IsWindowEnabled(application.handle()));
  EXPECT_EQ(GetActiveWindow(), active);
  DestroyWindow(active);
}

}  // namespace
}  // namespace photopages
