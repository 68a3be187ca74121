// The real photopages.exe started from a Windows test process, as Explorer
// or a command prompt starts it, so that its command line arrives exactly as
// typed; and what the X server under Wine shows of its windows.
#ifndef PHOTOPAGES_APP_WINDOWS_PROGRAM_FOR_TEST_H_
#define PHOTOPAGES_APP_WINDOWS_PROGRAM_FOR_TEST_H_

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/poll_for_test.h"
#include "common/windows_api.h"
#include "platform/temp_dir_for_test.h"
#include "platform/windows_for_test.h"
#include "window/form_layout.h"

namespace photopages {

// The folder this test keeps its screenshots in, beside the program.
inline std::filesystem::path OutputFolder() {
  const std::filesystem::path folder =
      std::filesystem::path(WindowsPathOfHost(PHOTOPAGES_BINARY))
          .parent_path() /
      "test-output" / "WindowsEndToEndTest";
  std::filesystem::create_directories(folder);
  return folder;
}

// Runs the shell command `command` on the machine that runs Wine, in
// OutputFolder() and with this test's X display, and returns what it wrote
// to standard output, or nothing after ten seconds. Wine starts Linux
// programs without a process to wait for: the command's output file appears
// when it is done.
inline std::optional<std::string> RunOnHost(const std::string& command) {
  const std::filesystem::path done = OutputFolder() / "host-output.txt";
  std::filesystem::remove(done);
  const std::string folder =
      std::filesystem::path(PHOTOPAGES_BINARY).parent_path().string() +
      "/test-output/WindowsEndToEndTest";
  std::wstring line =
      L"Z:\\bin\\sh -c \"cd '" + PathFromUtf8(folder).wstring() + L"' && (" +
      PathFromUtf8(command).wstring() +
      L") >host-output.tmp 2>&1; mv host-output.tmp host-output.txt\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!PollFor([&] { return std::filesystem::exists(done); }))
    return std::nullopt;
  std::string output = ReadTestFile(done.string());
  std::filesystem::remove(done);
  return output;
}

// The X window that shows the top-level window `window`, in decimal.
inline std::string XWindowOf(HWND window) {
  return std::to_string(
      reinterpret_cast<UINT_PTR>(GetPropW(window, L"__wine_x11_whole_window")));
}

// `window`'s place and size as the X server has them.
inline Rect XGeometry(HWND window) {
  const std::string info =
      RunOnHost("xwininfo -id " + XWindowOf(window)).value_or("");
  auto field = [&](const std::string& name) {
    const size_t at = info.find(name + ":");
    return at == std::string::npos
               ? -1
               : std::atoi(info.c_str() + at + name.size() + 1);
  };
  return {field("Absolute upper-left X"), field("Absolute upper-left Y"),
          field("Width"), field("Height")};
}

// Saves what the X server shows of `window` as the PNG file `name` in
// OutputFolder(); true when it was written.
inline bool Screenshot(HWND window, const std::string& name) {
  const std::filesystem::path file = OutputFolder() / name;
  std::filesystem::remove(file);
  RunOnHost("import -window " + XWindowOf(window) + " '" + name + "'");
  return std::filesystem::exists(file) && std::filesystem::file_size(file) > 0;
}

// The top-level window of class `class_name` that process `process` has,
// or nullptr.
inline HWND WindowOfProcess(DWORD process, const wchar_t* class_name) {
  struct Search {
    DWORD process;
    const wchar_t* class_name;
    HWND found;
  } search = {process, class_name, nullptr};
  EnumWindows(
      [](HWND window, LPARAM lparam) -> BOOL {
        auto* search = reinterpret_cast<Search*>(lparam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        if (owner != search->process ||
            std::wstring(name) != search->class_name) {
          return TRUE;
        }
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The program started with `command_line`, exactly those UTF-16 units, from
// `folder`; ended when the test is done with it.
class Started {
 public:
  // `show`: the show request that the start-up information carries, none
  // without one.
  Started(std::wstring command_line, const std::filesystem::path& folder,
          std::optional<WORD> show = std::nullopt) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (show) {
      startup.dwFlags = STARTF_USESHOWWINDOW;
      startup.wShowWindow = *show;
    }
    started_ =
        CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, folder.c_str(), &startup, &process_);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;
  ~Started() {
    if (!started_) return;
    if (!Ended(0)) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  bool started() const { return started_; }
  DWORD id() const { return process_.dwProcessId; }
  bool Ended(DWORD milliseconds = 30'000) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) ==
           WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_ = {};
  bool started_ = false;
};

}  // namespace photopages

#endif  // PHOTOPAGES_APP_WINDOWS_PROGRAM_FOR_TEST_H_
