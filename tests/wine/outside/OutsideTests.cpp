// Real clicks and key presses through SendInput, in the Wine bench's
// 1024x768 virtual desktop with its taskbar along the bottom.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/SharedNames.h"
#include "framework/Handles.h"
#include "outside/HookThread.h"
#include "outside/keysnare/Keysnare.h"
#include "outside/sprigload/Sprigload.h"

namespace {

constexpr DWORD kTimeoutMs = 5000;
const UINT kStowpouchMsg = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
const UINT kHotKeyMsg = RegisterWindowMessageA(SYSTEM_HOTKEY_MESSAGE_NAME);

// Pumps this thread's queue until `count` messages that `wanted` accepts have
// arrived, `ended` is signalled or the time is up; the rest is dispatched.
std::vector<MSG> Collect(const std::function<bool(const MSG&)>& wanted, size_t count,
                         HANDLE ended = nullptr) {
  std::vector<MSG> got;
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  for (bool last_round = false;;) {
    MSG msg;
    while (got.size() < count && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (wanted(msg)) {
        got.push_back(msg);
      } else {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    const ULONGLONG now = GetTickCount64();
    if (got.size() >= count || last_round || now >= deadline) return got;
    // Once `ended` is signalled, one more round picks up what it posted.
    last_round = MsgWaitForMultipleObjects(ended ? 1 : 0, &ended, FALSE, static_cast<DWORD>(deadline - now),
                                           QS_ALLINPUT) == WAIT_OBJECT_0 &&
                 ended != nullptr;
  }
}

std::vector<MSG> CollectId(UINT id, size_t count) {
  return Collect([id](const MSG& m) { return m.message == id; }, count);
}

class TestWindow {
 public:
  TestWindow(const char* cls, int x, int y, int w, int h) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);  // fails harmlessly when already registered
    // A tool window has no taskbar button that a bottom-edge click could hit.
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, cls, "outside test", WS_POPUP | WS_VISIBLE, x, y, w, h,
                            nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~TestWindow() { DestroyWindow(hwnd_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

int ScreenWidth() { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }

void Click(int x, int y) { ASSERT_TRUE(test_support::ClickAt(x, y)); }

// Keys as +vk (down) and -vk (up).
void Keys(std::initializer_list<int> strokes) { ASSERT_TRUE(test_support::SendKeyStrokes(strokes)); }

std::string Describe(const MSG& m) {
  return std::to_string(m.wParam) + "@" + std::to_string(static_cast<short>(LOWORD(m.lParam))) + "," +
         std::to_string(static_cast<short>(HIWORD(m.lParam)));
}

// A Stowpouch running on this desktop hooks the same input and owns the class
// Dartlet looks for; nothing measured here would mean anything.
class OutsideTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(nullptr, FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr)) << "Stowpouch runs on the test desktop";
  }
};

// ---- Sprigload -------------------------------------------------------------

struct EdgeCase {
  const char* name;
  BOOL top, right, bottom;  // left stays on for the closing click
  int x, y;                 // negative: counted from the right or bottom
  bool reported;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

const EdgeCase kEdgeCases[] = {
    {"Left", TRUE, TRUE, TRUE, 0, 300, true},
    {"LeftTwoIn", TRUE, TRUE, TRUE, 2, 300, true},
    {"Right", TRUE, TRUE, TRUE, -1, 300, true},
    {"Top", TRUE, TRUE, TRUE, 512, 0, true},
    {"TenPixelsIn", TRUE, TRUE, TRUE, 10, 300, false},
    {"TopDisabled", FALSE, TRUE, TRUE, 512, 0, false},
    {"RightDisabled", TRUE, FALSE, TRUE, -1, 300, false},
    {"BottomIsTaskbar", TRUE, TRUE, TRUE, 512, -1, false},
};

class SprigloadTest : public OutsideTest {
 protected:
  void TearDown() override { SprigloadStopWatch(); }
  TestWindow window_{"OutsideTestWindow", 412, 284, 200, 200};
};

class SprigloadEdgeTest : public SprigloadTest, public testing::WithParamInterface<EdgeCase> {};

// Every case ends with a click on the left edge: the hook handles clicks in
// order, so when its report comes first the case's click reported nothing.
constexpr int kClosingY = 400;
const std::string kClosing = "200@0," + std::to_string(kClosingY);

TEST_P(SprigloadEdgeTest, ReportsBareEdgeClicks) {
  const EdgeCase& c = GetParam();
  const int x = c.x < 0 ? ScreenWidth() + c.x : c.x;
  const int y = c.y < 0 ? ScreenHeight() + c.y : c.y;
  SprigloadSetEdges(TRUE, c.top, c.right, c.bottom);
  SprigloadStartWatch(window_.hwnd());
  Click(x, y);
  Click(0, kClosingY);
  std::vector<std::string> got;
  for (const MSG& m : CollectId(kStowpouchMsg, c.reported ? 2 : 1)) {
    EXPECT_EQ(window_.hwnd(), m.hwnd);
    got.push_back(Describe(m));
  }
  const int code = x <= 2 ? kMsgEdgeLeft : y == 0 ? kMsgEdgeTop : kMsgEdgeRight;
  std::vector<std::string> want;
  if (c.reported) want.push_back(std::to_string(code) + "@" + std::to_string(x) + "," + std::to_string(y));
  want.push_back(kClosing);
  EXPECT_EQ(want, got);
}

INSTANTIATE_TEST_SUITE_P(Clicks, SprigloadEdgeTest, testing::ValuesIn(kEdgeCases),
                         [](const testing::TestParamInfo<EdgeCase>& info) { return info.param.name; });

TEST_F(SprigloadTest, WindowOverTheEdgeTakesTheClick) {
  TestWindow cover("OutsideTestWindow", 0, 250, 100, 100);
  SprigloadSetEdges(TRUE, TRUE, TRUE, TRUE);
  SprigloadStartWatch(window_.hwnd());
  Click(0, 300);
  Click(0, kClosingY);
  const auto got = CollectId(kStowpouchMsg, 1);
  ASSERT_EQ(1u, got.size());
  EXPECT_EQ(kClosing, Describe(got[0]));
}

TEST_F(SprigloadTest, StopEndsTheWatchAndMayRepeat) {
  SprigloadSetEdges(TRUE, TRUE, TRUE, TRUE);
  SprigloadStartWatch(window_.hwnd());
  SprigloadStopWatch();
  SprigloadStopWatch();
  Click(0, 300);
  SprigloadStartWatch(window_.hwnd());
  Click(0, kClosingY);
  const auto got = CollectId(kStowpouchMsg, 1);
  ASSERT_EQ(1u, got.size());
  EXPECT_EQ(kClosing, Describe(got[0]));
}

TEST_F(SprigloadTest, StartAgainRetargets) {
  TestWindow second("OutsideTestWindow", 412, 500, 100, 100);
  SprigloadSetEdges(TRUE, FALSE, FALSE, FALSE);
  SprigloadStartWatch(window_.hwnd());
  SprigloadStartWatch(second.hwnd());
  Click(0, kClosingY);
  const auto got = CollectId(kStowpouchMsg, 1);
  ASSERT_EQ(1u, got.size());
  EXPECT_EQ(second.hwnd(), got[0].hwnd);
}

// ---- Keysnare --------------------------------------------------------------

struct ChordCase {
  const char* name;
  std::initializer_list<int> keys;
  WORD modifiers;  // 0: nothing reported
  WORD vk;
};

void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.name; }

const ChordCase kChordCases[] = {
    {"LeftWinM", {VK_LWIN, 'M', -'M', -VK_LWIN}, MOD_WIN, 'M'},
    {"RightWinM", {VK_RWIN, 'M', -'M', -VK_RWIN}, MOD_WIN, 'M'},
    {"WinShiftM", {VK_LWIN, VK_SHIFT, 'M', -'M', -VK_SHIFT, -VK_LWIN}, MOD_WIN | MOD_SHIFT, 'M'},
    {"CtrlAltRightWinE", {VK_CONTROL, VK_MENU, VK_RWIN, 'E', -'E', -VK_RWIN, -VK_MENU, -VK_CONTROL},
     MOD_WIN | MOD_CONTROL | MOD_ALT, 'E'},
    {"PlainKey", {'A', -'A'}, 0, 0},
    {"ShiftKey", {VK_SHIFT, 'A', -'A', -VK_SHIFT}, 0, 0},
    {"WinAlone", {VK_LWIN, -VK_LWIN}, 0, 0},
};

class KeysnareTest : public OutsideTest, public testing::WithParamInterface<ChordCase> {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(OutsideTest::SetUp());
    KeysnareStartHook(window_.hwnd());
  }
  void TearDown() override { KeysnareStopHook(); }
  TestWindow window_{"OutsideTestWindow", 412, 284, 200, 200};
};

// As with the clicks, a closing Win+Z proves the case's keys reported nothing.
TEST_P(KeysnareTest, ReportsWindowsKeyCombinations) {
  const ChordCase& c = GetParam();
  Keys(c.keys);
  Keys({VK_RWIN, 'Z', -'Z', -VK_RWIN});
  std::vector<std::string> got;
  for (const MSG& m : CollectId(kHotKeyMsg, c.modifiers ? 2 : 1)) {
    EXPECT_EQ(window_.hwnd(), m.hwnd);
    EXPECT_EQ(0u, m.wParam);
    got.push_back(std::to_string(LOWORD(m.lParam)) + ":" + std::to_string(HIWORD(m.lParam)));
  }
  std::vector<std::string> want;
  if (c.modifiers) want.push_back(std::to_string(c.modifiers) + ":" + std::to_string(c.vk));
  want.push_back("8:90");
  EXPECT_EQ(want, got);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeysnareTest, testing::ValuesIn(kChordCases),
                         [](const testing::TestParamInfo<ChordCase>& info) { return info.param.name; });

// Keys no other test types: input still queued from an earlier test goes to
// whichever window has the focus when it is read.
TEST_F(KeysnareTest, KeysStillReachTheFocusedWindow) {
  SetForegroundWindow(window_.hwnd());
  SetFocus(window_.hwnd());
  ASSERT_EQ(window_.hwnd(), GetForegroundWindow());
  ASSERT_EQ(window_.hwnd(), GetFocus());
  Keys({VK_LWIN, 'K', -'K', -VK_LWIN, 'J', -'J'});
  const auto got = Collect(
      [&](const MSG& m) {
        return m.hwnd == window_.hwnd() &&
               (m.message == kHotKeyMsg || (m.message == WM_KEYDOWN && (m.wParam == 'J' || m.wParam == 'K')));
      },
      3);
  std::vector<std::string> what;
  for (const MSG& m : got) {
    what.push_back(m.message == kHotKeyMsg ? "hotkey " + std::to_string(HIWORD(m.lParam)) : std::string(1, char(m.wParam)));
  }
  std::sort(what.begin(), what.end());
  EXPECT_EQ((std::vector<std::string>{"J", "K", "hotkey 75"}), what);
}

// The taken chord reaches neither the focused window nor the hotkey another
// program holds (here this test's own); the hook's report of it is all that
// comes, and the masking key it sends is not reported as a chord. A closing
// Win+Z, its release the last event, shows that the rest has arrived.
TEST_F(KeysnareTest, ATakenChordReachesNobodyElse) {
  ASSERT_TRUE(RegisterHotKey(window_.hwnd(), 1, MOD_WIN, 'Q'));
  SetForegroundWindow(window_.hwnd());
  SetFocus(window_.hwnd());
  ASSERT_EQ(window_.hwnd(), GetFocus());
  KeysnareTakeChord(MOD_WIN, 'Q');
  Keys({VK_LWIN, 'Q', 'Q', -'Q', -VK_LWIN, VK_RWIN, 'Z', -'Z', -VK_RWIN});
  std::vector<std::string> seen;
  Collect(
      [&](const MSG& m) {
        if (m.message == kHotKeyMsg)
          seen.push_back(std::to_string(m.wParam) + "/" + std::to_string(LOWORD(m.lParam)) + ":" +
                         std::to_string(HIWORD(m.lParam)));
        if (m.message == WM_HOTKEY) seen.push_back("WM_HOTKEY");
        if ((m.message == WM_KEYDOWN || m.message == WM_KEYUP) && m.wParam == 'Q') seen.push_back("Q");
        return m.message == WM_KEYUP && m.wParam == 'Z';
      },
      1);
  EXPECT_EQ((std::vector<std::string>{"1/8:81", "0/8:90"}), seen);
  EXPECT_EQ(0, GetAsyncKeyState(VK_LWIN) & 0x8000) << "the Windows key looks held down";
  KeysnareTakeChord(0, 0);
  UnregisterHotKey(window_.hwnd(), 1);
}

// ---- The hook thread -------------------------------------------------------

// The first hook thread waits here, before it has a message queue, as a
// thread slow to start would, until the test lets it go.
UniqueKernelHandle g_entered, g_release, g_first;

void HoldFirstThread() {
  if (g_first.Get() == nullptr) {
    g_first.Reset(OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId()));
    SetEvent(g_entered.Get());
  }
  WaitForSingleObject(g_release.Get(), kTimeoutMs);
}

LRESULT CALLBACK PassKeysOn(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

using HookThreadTest = OutsideTest;

TEST_F(HookThreadTest, AThreadLateToStartLeavesNoHookBehind) {
  g_first.Reset();  // a repeated run holds its own first thread
  g_entered.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  g_release.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  outside::HookThread hook(WH_KEYBOARD_LL, &PassKeysOn, &HoldFirstThread, 200);
  EXPECT_FALSE(hook.Start());
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(g_entered.Get(), kTimeoutMs));
  EXPECT_FALSE(hook.Start()) << "no hook is in yet";
  hook.Stop();
  SetEvent(g_release.Get());
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(g_first.Get(), kTimeoutMs)) << "its hook went in and stayed";
  EXPECT_TRUE(hook.Start());
  hook.Stop();
}

// ---- Dartlet ---------------------------------------------------------------

// Runs Dartlet.exe from this program's folder and returns its exit code (-1
// when it did not run or end), keeping what it posted to us.
long RunDartlet(std::vector<MSG>* posted) {
  const std::string exe = test_support::ProgramFolder() + "Dartlet.exe";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  CloseHandle(pi.hThread);
  *posted = Collect([](const MSG& m) { return m.message == kStowpouchMsg; }, 2, pi.hProcess);
  DWORD code = 0;
  const bool ended = WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  return ended ? static_cast<long>(code) : -1;
}

using DartletTest = OutsideTest;

TEST_F(DartletTest, PostsLaunchShortcutToStowpouch) {
  TestWindow stowpouch(STOWPOUCH_WINDOW_CLASS, 0, 0, 10, 10);
  std::vector<MSG> posted;
  EXPECT_EQ(0, RunDartlet(&posted));
  ASSERT_EQ(1u, posted.size());
  EXPECT_EQ(stowpouch.hwnd(), posted[0].hwnd);
  EXPECT_EQ(static_cast<WPARAM>(kMsgLaunchShortcut), posted[0].wParam);
  EXPECT_EQ(0, posted[0].lParam);
}

TEST_F(DartletTest, FailsWithoutStowpouch) {
  std::vector<MSG> posted;
  EXPECT_EQ(1, RunDartlet(&posted));
  EXPECT_TRUE(posted.empty());
}

}  // namespace
