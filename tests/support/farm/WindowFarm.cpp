// WindowFarm.exe: makes top-level windows of any class, title and state on
// request, so tests see them the way Stowpouch sees other programs' windows.
// Every window lives on the one thread that runs the message loop; requests
// reach that thread as WM_COPYDATA to a message-only control window (see
// FarmProtocol.h).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>
#include <map>
#include <string>

#include "framework/Handles.h"
#include "tests/support/farm/FarmProtocol.h"
#include "tests/support/helper/HelperLoop.h"

namespace {

using farm::ShowState;
using farm::WindowSpec;
namespace protocol = farm::protocol;


HINSTANCE g_instance = nullptr;
// Lets tests see that someone hid and showed a window again, which leaves no
// other trace once it is visible.
std::map<HWND, int> g_timesHidden;
int g_nextHotKeyId = 1;
// The held hotkeys' window and the WM_HOTKEY it has had.
HWND g_hotKeyWindow = nullptr;
int g_hotKeysReceived = 0;

LRESULT CALLBACK FarmWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_HOTKEY:
      ++g_hotKeysReceived;
      return 0;
    case WM_SHOWWINDOW:
      if (wParam == FALSE) ++g_timesHidden[window];
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_NCDESTROY:
      g_timesHidden.erase(window);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_GETMINMAXINFO: {
      // Tests ask for exact rectangles, zero-sized ones included; the default
      // minimum tracking size would quietly enlarge them.
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = 0;
      info->ptMinTrackSize.y = 0;
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterFarmClass(const char* name) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FarmWindowProc;
  windowClass.hInstance = g_instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = name;
  // Class names compare case-insensitively: a second request for a name in
  // any spelling reuses the class registered first.
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateChild(HWND parent, const char* className, int id, const RECT& rect) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_instance, nullptr);
}

// Small plain children along the top edge, then the chain that ends in the
// document view, each link filling its parent.
bool AddChildren(HWND top, const WindowSpec& wanted) {
  int id = 100;
  for (int i = 0; i < wanted.plainChildren; ++i) {
    const RECT rect{4 + 20 * i, 4, 20 + 20 * i, 20};
    if (!CreateChild(top, protocol::kChildClass, id++, rect)) return false;
  }
  HWND parent = top;
  for (int level = 1; level <= wanted.documentViewDepth; ++level) {
    RECT client{};
    GetClientRect(parent, &client);
    const bool last = level == wanted.documentViewDepth;
    parent = CreateChild(parent, last ? protocol::kDocumentViewClass : protocol::kChildClass, id++,
                         client);
    if (!parent) return false;
  }
  return true;
}

HWND CreateFarmWindow(const WindowSpec& wanted) {
  if (!RegisterFarmClass(wanted.className.c_str())) return nullptr;
  const DWORD style = wanted.child   ? WS_CHILD | WS_VISIBLE
                      : wanted.popup ? WS_POPUP
                                     : WS_OVERLAPPEDWINDOW;
  UniqueWindow window(CreateWindowExA(0, wanted.className.c_str(), wanted.title.c_str(), style,
                                      wanted.x, wanted.y, wanted.width, wanted.height, wanted.owner,
                                      nullptr, g_instance, nullptr));
  if (!window || !AddChildren(window.Get(), wanted)) return nullptr;
  switch (wanted.state) {
    case ShowState::kHidden:
      break;
    case ShowState::kNormal:
      ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
      break;
    case ShowState::kMinimized:
      ShowWindow(window.Get(), SW_SHOWMINNOACTIVE);
      break;
    case ShowState::kMaximized:
      ShowWindow(window.Get(), SW_SHOWMAXIMIZED);
      break;
  }
  return window.Release();
}

bool DestroyFarmWindow(HWND window) {
  // DestroyWindow refuses other threads' windows anyway; the check also keeps
  // a stray request from taking the control window down.
  if (window == helper::HelperControlWindow() || !IsWindow(window) ||
      GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
    return false;
  return DestroyWindow(window) != FALSE;
}

LRESULT OnRequest(const COPYDATASTRUCT& request) {
  switch (request.dwData) {
    case protocol::kCreate: {
      WindowSpec wanted;
      if (!protocol::DecodeCreate(request.lpData, request.cbData, &wanted)) return 0;
      return reinterpret_cast<LRESULT>(CreateFarmWindow(wanted));
    }
    case protocol::kDestroy: {
      std::int64_t wire = 0;
      if (request.cbData != sizeof wire || request.lpData == nullptr) return 0;
      std::memcpy(&wire, request.lpData, sizeof wire);
      return DestroyFarmWindow(protocol::WindowFromWire(wire)) ? 1 : 0;
    }
    case protocol::kQuit:
      PostQuitMessage(0);
      return 1;
    case protocol::kHang: {
      UniqueKernelHandle release(OpenEventA(
          SYNCHRONIZE, FALSE, protocol::HangReleaseEventName(GetCurrentProcessId()).c_str()));
      if (!release) return 0;
      // The client is released first; then this thread takes no message.
      ReplyMessage(1);
      WaitForSingleObject(release.Get(), protocol::kMaxHangMs);
      return 1;
    }
    case protocol::kHoldHotKey: {
      protocol::HotKeyRecord hotKey{};
      if (request.cbData != sizeof hotKey || request.lpData == nullptr) return 0;
      std::memcpy(&hotKey, request.lpData, sizeof hotKey);
      if (g_hotKeyWindow == nullptr)
        g_hotKeyWindow = CreateWindowExA(0, protocol::kChildClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                         nullptr, g_instance, nullptr);
      // Held until the farm ends.
      return RegisterHotKey(g_hotKeyWindow, g_nextHotKeyId++, hotKey.modifiers, hotKey.virtualKey)
                 ? 1
                 : 0;
    }
    case protocol::kHotKeysReceived: {
      // Those posted but not yet taken from the queue count too.
      MSG posted;
      while (g_hotKeyWindow != nullptr &&
             PeekMessageA(&posted, g_hotKeyWindow, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
        DispatchMessageA(&posted);
      return g_hotKeysReceived;
    }
    case protocol::kSettle: {
      // A peek handles the sent messages and the window-system events that
      // wait for this thread, such as an activation and the raise it brings.
      MSG pending;
      PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
      return 1;
    }
    case protocol::kTimesHidden: {
      std::int64_t wire = 0;
      if (request.cbData != sizeof wire || request.lpData == nullptr) return -1;
      std::memcpy(&wire, request.lpData, sizeof wire);
      const HWND window = protocol::WindowFromWire(wire);
      if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return -1;
      const auto found = g_timesHidden.find(window);
      return found == g_timesHidden.end() ? 0 : found->second;
    }
    default:
      return 0;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_instance = instance;
  if (!RegisterFarmClass(protocol::kChildClass) || !RegisterFarmClass(protocol::kDocumentViewClass))
    return 1;
  return helper::RunHelper(instance, commandLine, protocol::kControlClass, OnRequest);
}
