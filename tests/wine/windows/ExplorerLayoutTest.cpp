// The Explorer layouts with real processes. This program sits beside a
// stand-in explorer.exe of ours, which the layout's start command finds
// first; it opens one "ExploreWClass" window.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "framework/Handles.h"
#include "windows/ExplorerLayout.h"
#include "windows/TileLayout.h"
#include "windows/WindowCommands.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr char kModeVariable[] = "STOWPOUCH_FAKE_EXPLORER";

using test_support::WaitUntil;

WindowList ExplorerWindows() {
  WindowList windows;
  EnumWindows(
      [](HWND window, LPARAM list) {
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, "ExploreWClass") == 0)
          reinterpret_cast<WindowList*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

WindowRect RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<WindowRect> Sorted(std::vector<WindowRect> rects) {
  std::sort(rects.begin(), rects.end(), [](const WindowRect& a, const WindowRect& b) {
    return std::tie(a.x, a.y, a.width, a.height) < std::tie(b.x, b.y, b.width, b.height);
  });
  return rects;
}

std::string Described(const std::vector<WindowRect>& rects) {
  std::string text;
  for (const WindowRect& r : rects)
    text += std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) +
            "x" + std::to_string(r.height) + "; ";
  return text;
}

std::string OurExplorerPath() { return test_support::ProgramFolder() + "explorer.exe"; }

// Ends the stand-in explorers still running; Wine's own explorer.exe (the
// desktop) has the same file name and is left alone.
void EndOurExplorers() {
  const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (lstrcmpiA(entry.szExeFile, "explorer.exe") != 0) continue;
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                    entry.th32ProcessID));
    char image[MAX_PATH];
    DWORD size = MAX_PATH;
    if (process && QueryFullProcessImageNameA(process.Get(), 0, image, &size) &&
        lstrcmpiA(image, OurExplorerPath().c_str()) == 0)
      TerminateProcess(process.Get(), 0);
  }
}

class ExplorerLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableA(kModeVariable, nullptr);
    ASSERT_TRUE(ExplorerWindows().empty()) << "an Explorer window is left from before";
  }
  void TearDown() override {
    SetEnvironmentVariableA(kModeVariable, nullptr);
    for (HWND window : ExplorerWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
    EndOurExplorers();
    EXPECT_TRUE(WaitUntil([] { return ExplorerWindows().empty(); }));
  }

  // Runs the layout and checks that the Explorer windows fill its places,
  // one window a place. Which window takes which place follows the stacking
  // order at the time of the move, and a new window that activates late
  // changes that order afterwards, so the places are compared as a set.
  void ExpectLaidOut(ExplorerLayout layout, std::size_t windows) {
    RunExplorerLayout(static_cast<int>(layout));
    const WindowList found = ExplorerWindows();
    ASSERT_EQ(found.size(), windows);
    std::vector<WindowRect> places =
        ExplorerLayoutRectangles(layout, static_cast<int>(found.size()), CurrentScreenMetrics());
    // The system keeps a window within its largest tracking size.
    for (WindowRect& place : places) {
      place.width = std::min(place.width, GetSystemMetrics(SM_CXMAXTRACK));
      place.height = std::min(place.height, GetSystemMetrics(SM_CYMAXTRACK));
    }
    std::vector<WindowRect> taken;
    for (HWND window : found) taken.push_back(RectOf(window));
    EXPECT_EQ(Described(Sorted(taken)), Described(Sorted(places)));
  }
};

TEST_F(ExplorerLayoutTest, OneAboveTheOther) { ExpectLaidOut(ExplorerLayout::kOneAboveOther, 2); }

TEST_F(ExplorerLayoutTest, SideBySide) { ExpectLaidOut(ExplorerLayout::kSideBySide, 2); }

TEST_F(ExplorerLayoutTest, FourInASquare) { ExpectLaidOut(ExplorerLayout::kSquare, 4); }

TEST_F(ExplorerLayoutTest, AnExplorerThatNeverTakesInputDoesNotHoldTheProgram) {
  SetEnvironmentVariableA(kModeVariable, "busy");
  const ULONGLONG start = GetTickCount64();
  // The wait shortened tenfold: two bounded waits and the settling pause,
  // with room for a slow machine, stay below one full-length wait.
  constexpr DWORD kIdleWaitMs = kExplorerIdleWaitMs / 10;
  RunExplorerLayout(static_cast<int>(ExplorerLayout::kSideBySide), kIdleWaitMs);
  const ULONGLONG elapsed = GetTickCount64() - start;
  EXPECT_LT(elapsed, 2 * kIdleWaitMs + 3000 + 2000);
  EXPECT_TRUE(ExplorerWindows().empty());
}

}  // namespace
