#pragma once
// The application windows the user hid by hand through the Show-Hide Window
// dialog. The record of every window hidden (these, then those the Hide
// Others toggle keeps hidden) is also kept in a volatile registry key, so
// that a start after a crash still knows them and can give them back, all
// as hidden by hand; the key goes with the log-off, when the handles mean
// nothing any more.
#include "settings/SettingsRecord.h"
#include "windows/SavedWindows.h"

// One at a time: it records the Hide Others toggle's windows as they change.
class HiddenWindows {
 public:
  HiddenWindows();
  ~HiddenWindows();
  HiddenWindows(const HiddenWindows&) = delete;
  HiddenWindows& operator=(const HiddenWindows&) = delete;

  const SavedWindowList& List() const { return windows_; }
  // Takes `windows` as the list and stores it.
  void Replace(SavedWindowList windows);
  // Reads the stored list back, keeping only the entries that still name a
  // top-level window of the thread that owned it.
  void Load();
  // Shows again every window hidden by hand or by the Hide Others toggle
  // that is still there, each in its old place in the stacking order, and
  // forgets them. For the quit path: nothing may stay hidden for good.
  void ShowAllAgain();

 private:
  void Store() const;

  SavedWindowList windows_;
};

// The value of the session key (settings/SettingsRecord.h) that holds it.
constexpr const char kHiddenWindowsValue[] = "HiddenWindows";

// A window list kept in the session key as the value `valueName`: read back
// as stored (a value of any other length gives none), written, and removed
// when the list is empty.
SavedWindowList ReadSessionWindows(const char* valueName);
void WriteSessionWindows(const char* valueName, const SavedWindowList& windows);
