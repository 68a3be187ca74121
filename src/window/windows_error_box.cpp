#include "window/windows_error_box.h"

#include <vector>

#include "common/windows_codepage.h"

namespace photopages {
namespace {

// Disables the enabled windows of this thread that `owner` owns, and
// returns them.
std::vector<HWND> DisableOwnedWindows(HWND owner) {
  struct Owned {
    HWND owner;
    std::vector<HWND> disabled;
  } owned{owner, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lparam) -> BOOL {
        auto* owned = reinterpret_cast<Owned*>(lparam);
        if (GetWindow(window, GW_OWNER) == owned->owner &&
            IsWindowEnabled(window)) {
          EnableWindow(window, FALSE);
          owned->disabled.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&owned));
  return owned.disabled;
}

}  // namespace

void RunErrorBox(HWND owner, const AnsiString& caption,
                 const AnsiString& text) {
  const HWND previously_active = GetActiveWindow();
  const std::vector<HWND> disabled =
      owner != nullptr ? DisableOwnedWindows(owner) : std::vector<HWND>();
  MessageBoxW(owner, WideFromAnsi(text).c_str(), WideFromAnsi(caption).c_str(),
              MB_OK | MB_ICONSTOP);
  for (HWND window : disabled) EnableWindow(window, TRUE);
  if (previously_active != nullptr && IsWindow(previously_active)) {
    SetActiveWindow(previously_active);
  }
}

}  // namespace photopages
