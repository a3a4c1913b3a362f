#pragma once
// Shared set-up of the shortcut-key tests: a hidden window of this thread
// stands in for the main window, a scratch folder is the current directory
// and the start folder (where "HotKey.lst" lives), and every message box the code shows is
// recorded and answered with OK from another thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TestSupport.h"

namespace hotkeys_test {

struct SeenMessageBox {
  std::string caption;
  std::string text;
  HWND owner = nullptr;
  bool stopIcon = false;  // an icon is shown (the only one the program uses)
};

class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<SeenMessageBox> Seen() const;
  std::vector<std::string> Texts() const;
  void Clear();

 private:
  void Watch();

  mutable std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> answered_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

using test_support::WaitUntil;

// The bytes of a file, or "<missing>".
std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

// Whether anyone may register the combination right now: a fresh window of
// this thread tries it for a moment.
bool CombinationFree(UINT modifiers, UINT virtualKey);

class HotKeyTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND MainWindowStandIn() const { return window_; }
  std::filesystem::path Scratch() const { return scratch_; }
  std::filesystem::path ListFile() const { return scratch_ / "HotKey.lst"; }
  // The WM_HOTKEY ids that reached the stand-in main window so far.
  std::vector<WPARAM> TakeHotKeyMessages();

  MessageBoxWatcher boxes_;

 private:
  HWND window_ = nullptr;
  std::filesystem::path scratch_;
  std::filesystem::path previousDirectory_;
};

}  // namespace hotkeys_test
