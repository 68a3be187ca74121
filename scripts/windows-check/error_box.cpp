// A GUI-subsystem program like the photo tool ending on an error: a beep, the
// error box, then exit code 3 once the box was closed with OK.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  BOOL beeped = MessageBeep(MB_OK);
  int answer =
      MessageBoxW(nullptr, L"ファイル C:\\写真\\壊れた.jpg は開けません。",
                  L"Photopages", MB_OK | MB_ICONSTOP);
  return beeped && answer == IDOK ? 3 : 4;
}
