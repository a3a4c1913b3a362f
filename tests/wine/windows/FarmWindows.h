#pragma once
// Shared set-up of the window tests: a farm of windows in another process,
// the built-in class names from the program's resources, and settings
// switches chosen per test.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "tests/support/TestSupport.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "windows/TileLayout.h"
#include "windows/WindowLists.h"

namespace windows_test {

// The titles of `windows`, for messages that people can read.
std::vector<std::string> Titles(const WindowList& windows);

// Where a window is on the screen, and whether it is minimised.
WindowRect RectOf(HWND window);
inline bool Minimized(HWND window) { return IsIconic(window) != FALSE; }

using test_support::WaitUntil;

using farm::Spec;
farm::WindowSpec WithDocumentView(farm::WindowSpec spec, int depth);

// Runs `run`, which shows a modal dialog on this thread, while `drive` works
// the dialog captioned `caption` from a second thread, as a person would; a
// dialog still open after `drive` is cancelled, so that a failed step cannot
// hold the test up.
void RunWhileDriving(const char* caption, const std::function<void()>& run,
                     const std::function<void(HWND dialog)>& drive);

class FarmTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Make(const farm::WindowSpec& spec);
  // Sets the kind switches; user classes replace the user-defined list.
  void Switch(int folder, int explorer, int iexplorer, std::vector<std::string> userClasses = {});

  // The farm's windows among `windows`, in the same order.
  WindowList Own(const WindowList& windows) const { return farm_.Own(windows); }
  // `windows` in the platform's top-level enumeration order.
  static WindowList InEnumerationOrder(std::initializer_list<HWND> windows);
  // The farm's windows in enumeration order.
  WindowList FarmEnumerationOrder() const;

  // Runs a read of the window lists until the farm's windows keep their
  // stacking order across it, each attempt after the farm has handled what
  // was pending for it: the platform restacks a new program's windows a
  // little after they appear. Fails the test when the order never holds.
  template <typename Read>
  auto WhileOrderHolds(Read read) {
    decltype(read()) result{};
    const bool held = WaitUntil([&] {
      if (!farm_.Settle()) return false;
      const WindowList before = FarmEnumerationOrder();
      result = read();
      return FarmEnumerationOrder() == before;
    });
    EXPECT_TRUE(held) << "the farm's windows kept changing their stacking order";
    return result;
  }
  PouchLists FarmPouchLists(int includeMinimized);
  WindowList FarmOtherWindows(int includeMinimized);

  farm::WindowFarm farm_;
};

}  // namespace windows_test
