#pragma once
// What StandInShell.exe and its client say to each other: one WM_COPYDATA
// per request to the stand-in's control window (see tests/support/helper);
// COPYDATASTRUCT::dwData names the request, the SendMessage result is the
// answer. Window handles travel as 64-bit values.
#include <windows.h>

#include <cstdint>

#include "tests/support/helper/Wire.h"

namespace standin::protocol {

constexpr char kControlClass[] = "StowpouchStandInShell";

// The window that StandInShellHook.dll tells, from inside whatever process
// shows, hides or destroys a top-level window, about that window: a posted
// kWindowChanged with the window as wParam and the WindowEvent as lParam,
// posted in the order the events happen. Wine reports neither through
// WinEvents nor through shell hook windows, so the stand-in sets a global
// hook of its own.
constexpr char kHookSinkClass[] = "StowpouchStandInHookSink";
constexpr char kHookLibrary[] = "StandInShellHook.dll";
constexpr char kHookProcedure[] = "StandInShellHookProc";
constexpr UINT kWindowChanged = WM_APP + 1;
enum WindowEvent : LPARAM { kShown = 1, kHidden = 2, kDestroyed = 3 };

// Command-line options of the stand-in.
constexpr char kNoRebarOption[] = "--no-rebar";  // the task switcher sits in the tray window
// The tab control alone, for timings: no counting procedure in front of it,
// and no window watch, whose global hook costs every sent message of the
// desktop a trip to the window server under Wine. Items then come and go
// only by request.
constexpr char kBareOption[] = "--bare";
// Reports are read only on kSync, as by a shell too busy to read them when
// they come: by then each window is as the last report left it.
constexpr char kLateOption[] = "--late";

enum Request : ULONG_PTR {
  kQuit = 0x53490001,            // answers 1
  kServeLoadRequest = 0x53490002,  // a CLSID; answers CoGetClassObject's HRESULT
  kTabControl = 0x53490003,      // answers the tab control
  kHasItem = 0x53490004,         // std::int64_t window; 1 when a tab item carries it
  kItemCount = 0x53490005,       // answers the number of tab items
  kItemWindow = 0x53490006,      // std::int32_t index; answers that item's window
  kInsertItem = 0x53490007,      // InsertRecord; answers TCM_INSERTITEMA's result
  kMessagesSeen = 0x53490008,    // std::int32_t wParam; "StowpouchMsg" with it that reached the tab control
  kInsertionsSeen = 0x53490009,  // TCM_INSERTITEM messages that reached the tab control
  kSubclassOnTop = 0x5349000A,   // puts another procedure in front of the chain; answers 1
  kRemoveTopSubclass = 0x5349000B,  // takes it out again; answers 1 when it could
  kModuleLoaded = 0x5349000C,    // a module name; 1 while that module is loaded
  kHang = 0x5349000D,            // std::uint32_t ms; answers 1, then takes no message
  kTimeMessages = 0x5349000E,    // std::uint32_t count; answers ns for that many messages
  kTimeInsertion = 0x5349000F,   // TimingRecord; answers the median ns of one insertion
  kSync = 0x53490010,            // answers 1 once every window report posted before it is handled
  kFilterInFront = 0x53490011,   // 1 while Graftling's procedure is the tab control's first
  kHeapInUse = 0x53490012,       // answers the bytes of the process heap's busy blocks
  kNextHandle = 0x53490013,      // answers the value a new handle gets (grows with handles left open)
  // StressRecord: inserts that many items for the window, each taken out
  // again, while a second thread of the shell serves load requests; answers
  // the insertions that reached neither the filter's verdict nor the tab
  // control (see StandInShell.cpp)
  kInsertDuringLoadRequests = 0x53490014,
  kLoadRequestsServed = 0x53490015,  // answers how many the second thread served last time
};

// How a raw insertion's tab item looks.
enum class ItemShape : std::int32_t {
  kWithWindow = 0,    // TCIF_PARAM set, lParam the given value
  kWithoutParam = 1,  // TCIF_PARAM not set, lParam the given value all the same
  kNoItem = 2,        // a null TCITEM pointer
};

struct InsertRecord {
  std::int64_t itemParam;
  std::int32_t shape;
};

struct StressRecord {
  std::int64_t window;
  std::uint32_t insertions;
};

struct TimingRecord {
  std::int64_t window;
  std::uint32_t repetitions;
};

using helper::WindowFromWire;
using helper::WindowToWire;

}  // namespace standin::protocol
