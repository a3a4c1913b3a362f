#pragma once
// Starts the real Stowpouch.exe and drives it from outside: its settings key,
// its windows, the keyboard, and a message spy on its UI thread.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "MessageSpy/MessageSpy.h"
#include "framework/Handles.h"
#include "tests/support/TestSupport.h"

namespace e2e {

using test_support::ClickAt;
using test_support::kDeadlineMs;
using test_support::PressKey;
using test_support::WaitUntil;

// The first words of the hide and quit confirmations' texts.
inline constexpr char kQueryHideText[] = "Hide this application.";
inline constexpr char kQueryQuitText[] = "Quit the application.";

// The folder of this test program, with a trailing backslash; the programs
// under test are built into the same one.
inline std::string BinFolder() { return test_support::ProgramFolder(); }

// Stowpouch's current directory in these tests, where it keeps "HotKey.lst";
// emptied of that file before every test. It lies in the bench's own prefix,
// so test programs running side by side each have their own.
std::string WorkFolder();

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// A program started with CreateProcess, in `folder` (this program's folder
// when empty). The exit code is nullopt while it runs.
class Process {
 public:
  // `creationFlags` go to CreateProcess; with CREATE_SUSPENDED the program
  // runs from Resume() on.
  Process(const std::string& exe, const std::string& arguments, const std::string& folder = "",
          DWORD creationFlags = 0);
  bool Resume() const;
  bool Started() const { return process_.Get() != nullptr; }
  DWORD Id() const { return id_; }
  DWORD MainThreadId() const { return threadId_; }
  HANDLE Get() const { return process_.Get(); }
  bool Running() const;
  bool WaitForExit(DWORD ms = kDeadlineMs) const;
  std::optional<DWORD> ExitCode() const;

 private:
  UniqueKernelHandle process_;
  UniqueKernelHandle thread_;
  DWORD id_ = 0;
  DWORD threadId_ = 0;
};

// Runs a program to its end and returns its exit code; nullopt when it did
// not start or end in time.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments = "");

// ---- settings ----------------------------------------------------------------

using SettingValues = std::initializer_list<std::pair<const char*, DWORD>>;

// Empties the settings key and stores `values` in it.
void ResetSettings(SettingValues values = {});
std::optional<DWORD> ReadSetting(const char* name);

// ---- windows -----------------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className, const char* caption);
HWND TopLevelWindow(DWORD processId, const char* className, const char* caption);
std::vector<HWND> WindowsOfClass(const char* className);

inline bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

// The text of a window or control, also of another process.
std::string WindowText(HWND window);

// Bounded SendMessage: a hung target fails the test rather than the suite.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Puts `window` in the foreground and waits until it is there.
bool BringToFront(HWND window);

// Presses the keys in order and releases them in reverse, like a person
// holding modifiers.
bool PressChord(std::initializer_list<WORD> keys);
// Presses the chord until `done` holds, for commands that are safe to
// repeat: the Windows-key hook starts last in the program's start-up, and
// nothing outside shows when that has happened.
bool PressUntil(std::initializer_list<WORD> chord, const std::function<bool()>& done);
// Whether some program holds the key combination as a hotkey.
bool HeldBySomeone(UINT modifiers, UINT key);
// Moves the pointer there and waits until the system has it there. (Under
// Wine a position the X server's pointer does not share is read back from
// it later: moves by SendInput, and SetCursorPos to where the system
// already thinks the pointer is, leave the pointer itself behind.)
bool MoveCursorTo(int x, int y);

// The rows of a list box of another process.
std::vector<std::string> ListBoxRows(HWND list);

// The texts of the first `columns` columns of every row of a report-style
// list view of another process.
std::vector<std::vector<std::string>> ListViewRows(HWND view, int columns);
// Selects one row of such a list view, as a click would.
bool SelectListViewRow(HWND view, int row);

// Whether `owner` has its tray icon (id 128) in the notification area.
bool TrayIconThere(HWND owner);

// ---- the screen ----------------------------------------------------------------

// The screen as the display shows it now, read back once.
class ScreenPicture {
 public:
  ScreenPicture();
  bool Taken() const { return !pixels_.empty(); }
  // The colour at a point of the screen; black outside it.
  COLORREF At(int x, int y) const;
  // A 24-bit bitmap file of the picture, or of `part` of it.
  bool Save(const std::string& path, const RECT* part = nullptr) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<RGBQUAD> pixels_;  // rows top down
};

// With STOWPOUCH_PICTURES naming a folder (tools/screenshot.sh), saves the
// part of the screen `window` covers there as `name`.bmp.
bool SavePictureOf(HWND window, const std::string& name);

// ---- the message spy ------------------------------------------------------------

// Hooks a thread of another process; everything it takes from its queue
// whose message is in `watched`, and the return of every watched message
// sent to its windows, is recorded until the spy goes away.
class MessageSpy {
 public:
  MessageSpy(DWORD threadId, std::initializer_list<UINT> watched);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  bool Hooked() const { return hook_ && returnHook_ && block_; }
  // Stops recording returns; records made so far stay.
  void StopWatchingReturns();
  std::vector<spy::Record> Seen() const;
  // Waits for a record that `match` accepts.
  bool WaitFor(const std::function<bool(const spy::Record&)>& match, DWORD ms = kDeadlineMs) const;
  // The system menu of `window`, a window of the hooked thread; nullopt when
  // the thread did not answer in time.
  std::optional<std::vector<spy::MenuItem>> SystemMenu(HWND window);
  // The items of the menu that `menuWindow`, a popup menu window of the
  // hooked thread, shows.
  std::optional<std::vector<spy::MenuItem>> ShownMenu(HWND menuWindow);

 private:
  std::optional<std::vector<spy::MenuItem>> ReadMenu(HWND window, WPARAM kind);

  UniqueKernelHandle mapping_;
  spy::Block* block_ = nullptr;
  HHOOK hook_ = nullptr;
  HHOOK returnHook_ = nullptr;
  LPARAM menuRequests_ = 0;
};

// ---- Stowpouch ------------------------------------------------------------------

UINT StowpouchMessage();
UINT SystemHotKeyMessage();

// One run of Stowpouch.exe, with the message spy on its UI thread from its
// first instruction on. Whatever a test leaves behind, the destructor ends
// the program: first as asked by WM_QUIT, then by force.
class Stowpouch {
 public:
  explicit Stowpouch(const std::string& arguments = "");
  ~Stowpouch();
  Stowpouch(const Stowpouch&) = delete;
  Stowpouch& operator=(const Stowpouch&) = delete;

  // Waits for the main window's initialisation to return and lets
  // everything the program posted to itself during start-up be handled.
  // False (with the reason in a test failure) when any of it fails, or when
  // a message box of the program is open: it would hold the program up.
  bool Ready();

  Process& process() { return process_; }
  HWND Window() const { return window_; }
  MessageSpy& Spy() { return *spy_; }

  // Returns once the program has taken from its queue every message posted
  // to it before the call; false when it did not within the deadline.
  bool Settle();

  // A message box of the program (caption "Stowpouch"), if one is open, and
  // what it says.
  HWND ShownMessageBox() const;
  HWND WaitForMessageBox() const;
  static std::string MessageBoxText(HWND box);

  // A popup menu of the program that shows (the platform's popup menu
  // window), now or once it shows (null after the deadline); and closing
  // every open menu with Escape, true once none shows.
  HWND PopupMenu() const;
  HWND WaitForPopupMenu() const;
  bool CloseMenus() const;

  // The program's "Information Dialog", if one is open.
  HWND InformationDialog() const;
  HWND WaitForInformationDialog() const;

  // A dialog of the program with that caption once it shows; null after
  // the deadline.
  HWND WaitForDialog(const char* caption) const;

 private:
  Process process_;
  HWND window_ = nullptr;
  std::optional<MessageSpy> spy_;
  LPARAM markers_ = 0;
};

// Every test starts with no Stowpouch running anywhere, since a second copy
// would only wake the first, and with an empty settings key.
class StowpouchTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace e2e
