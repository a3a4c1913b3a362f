// StartProbe.exe: what a started program sees, for tests that start one the
// way a shortcut key does. It writes "probe.txt" into its current
// directory: its command line after the program name on the first line and
// the show command it was given on the second.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  const std::string text =
      std::string(commandLine ? commandLine : "") + "\r\n" + std::to_string(show) + "\r\n";
  // Written whole under another name first, so a reader never sees half.
  const HANDLE file = CreateFileA("probe.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || !MoveFileExA("probe.tmp", "probe.txt", MOVEFILE_REPLACE_EXISTING)) return 1;
  return 0;
}
