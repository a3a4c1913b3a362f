// PouchMenuBench.exe: how long the pouch menu takes to appear, and whether
// opening it leaks.
//   PouchMenuBench.exe [-r REPETITIONS] [-m MENUS]
//
// Latency runs from the ShowPouchMenu call to the owner's first
// WM_ENTERIDLE (MSGF_MENU) with the popup on screen, when the menu is fully
// drawn; the menu is then cancelled with EndMenu, which chooses nothing. It
// is measured on 10 and 100 folder windows of another process (the window
// farm), 95 entries in the desktop folder (files, a folder and shortcuts,
// removed again at the end) and the bench prefix's drives. The floor, timed
// the same way and interleaved with it, is one bare EnumWindows pass reading
// each window's class and title plus a bare TrackPopupMenu of as many
// owner-drawn items as the pouch menu's root, drawing only their text.
//
// Leaks: MENUS menus (1,000) opened and cancelled in this process on the
// 10-window farm. GDI objects are counted by scanning the handle table
// (Wine's GetGuiResources is a stub), every menu handle of a build must be
// gone after ShowPouchMenu returns, and the working set may grow by 64 KB
// at most between the 10th and the last menu.
//
// The menu runs with small icons: with large ones a root taller than the
// screen stops at a message box asking to switch.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/LaunchRequests.h"
#include "framework/AppWindow.h"
#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "menu/DiskFreeSpace.h"
#include "menu/MenuArt.h"
#include "menu/MenuItemData.h"
#include "menu/PouchMenu.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "tools/bench/BenchStats.h"
#include "tests/support/GdiCount.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "windows/ClassNames.h"
#include "windows/ShellFolders.h"
#include "windows/WindowLists.h"

namespace {

constexpr double kGoalRatio = 1.5;
constexpr double kGoalMedianMs = 100.0;
constexpr int kGoalWindows = 100;
constexpr SIZE_T kGoalWorkingSetGrowth = 64 * 1024;
constexpr int kWarmUpMenus = 3;
constexpr int kLeakBaseline = 10;
constexpr int kDesktopEntries = 95;
constexpr char kEntryPrefix[] = "PouchMenuBench ";

struct Options {
  int repetitions = 31;
  int menus = 1000;
};

// --- timing -----------------------------------------------------------------

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return static_cast<double>(ticks) * 1000.0 / frequency;
}

// --- the owner window -------------------------------------------------------

enum class MenuKind { kPouch, kFloor };

// What the owner saw of the menu being tracked.
struct Tracking {
  MenuKind kind = MenuKind::kPouch;
  bool collect = false;  // gather every menu handle and the root's texts
  HMENU root = nullptr;
  bool drawn = false;
  LONGLONG drawnAt = 0;
  int rootItems = 0;
  int itemsDrawn = 0;
  std::vector<HMENU> menus;
  std::vector<std::string> rootTexts;

  void Start(MenuKind menuKind, bool collectMenus) {
    *this = Tracking();
    kind = menuKind;
    collect = collectMenus;
  }
};

Tracking g_track;
// The main window's pictures and pouch menu, set up as the window sets them.
PouchMenuHost* g_host = nullptr;

void CollectMenus(HMENU menu, std::vector<HMENU>& found) {
  found.push_back(menu);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i)
    if (const HMENU submenu = GetSubMenu(menu, i)) CollectMenus(submenu, found);
}

std::vector<std::string> RootTexts(HMENU root) {
  std::vector<std::string> texts;
  const int count = GetMenuItemCount(root);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(root, static_cast<UINT>(i), TRUE, &info);
    const auto* record = reinterpret_cast<const MenuItemData*>(info.dwItemData);
    texts.push_back(record ? record->szText : "");
  }
  return texts;
}

void OnMenuDrawn(HWND popup) {
  // Wine sends WM_ENTERIDLE as soon as its queue runs dry; only once the
  // popup shows has it been painted.
  if (g_track.drawn || !popup || !IsWindowVisible(popup)) return;
  g_track.drawnAt = Now();
  g_track.drawn = true;
  if (g_track.root) {
    g_track.rootItems = GetMenuItemCount(g_track.root);
    if (g_track.collect) {
      CollectMenus(g_track.root, g_track.menus);
      g_track.rootTexts = RootTexts(g_track.root);
    }
  }
  EndMenu();
}

// The floor's items draw their text and nothing else.
const std::string& FloorText(ULONG_PTR itemData) {
  return *reinterpret_cast<const std::string*>(itemData);
}

void MeasureFloorItem(MEASUREITEMSTRUCT& request) {
  const ScreenDC screen;
  const std::string& text = FloorText(request.itemData);
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  request.itemWidth = static_cast<UINT>(size.cx);
  request.itemHeight = static_cast<UINT>(size.cy + 4);
}

void DrawFloorItem(const DRAWITEMSTRUCT& request) {
  const std::string& text = FloorText(request.itemData);
  RECT rect = request.rcItem;
  DrawTextA(request.hDC, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP && !g_track.root)
    g_track.root = reinterpret_cast<HMENU>(wParam);
  if (message == WM_DRAWITEM && reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU)
    ++g_track.itemsDrawn;
  LRESULT result = 0;
  if (g_host && g_host->OnMenuMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_INITMENUPOPUP:
      return 0;
    case WM_MEASUREITEM: {
      auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (request->CtlType != ODT_MENU) break;
      MeasureFloorItem(*request);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (request->CtlType != ODT_MENU) break;
      DrawFloorItem(*request);
      return TRUE;
    }
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU) OnMenuDrawn(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOwner() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = OwnerProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "PouchMenuBenchOwner";
  if (!RegisterClassA(&windowClass)) return nullptr;
  // A tool window stays off the taskbar, which would otherwise react to it.
  return CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "Pouch menu bench",
                         WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

// --- the desktop folder -----------------------------------------------------

// Fills the desktop folder up to 95 entries of ours and takes them away
// again, leaving the folder as it was.
class DesktopFiller {
 public:
  DesktopFiller() {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT,
                                path)))
      return;
    folder_ = std::string(path) + "\\";
    madeFolder_ = CreateDirectoryA(path, nullptr) != FALSE;
    RemoveOurs();  // left over by a run that did not finish
    existing_ = CountEntries();
    for (int i = 0; existing_ + static_cast<int>(made_.size()) < kDesktopEntries; ++i) Make(i);
  }
  ~DesktopFiller() {
    RemoveOurs();
    if (madeFolder_) RemoveDirectoryA(folder_.c_str());
  }
  DesktopFiller(const DesktopFiller&) = delete;
  DesktopFiller& operator=(const DesktopFiller&) = delete;

  const std::string& Folder() const { return folder_; }
  int Existing() const { return existing_; }
  int Made() const { return static_cast<int>(made_.size()); }
  int Entries() const { return CountEntries(); }

 private:
  // Of every twenty: a shortcut, a folder for the first, files otherwise.
  void Make(int i) {
    const std::string base = folder_ + kEntryPrefix + std::to_string(i);
    if (i == 1) {
      if (CreateDirectoryA(base.c_str(), nullptr)) made_.push_back(base);
    } else if (i % 20 == 0) {
      if (MakeShortcut(base + ".lnk", ShortcutTarget(i))) made_.push_back(base + ".lnk");
    } else {
      static const char* const kExtensions[] = {".txt", ".ini", ".bmp", ".doc"};
      const std::string name = base + kExtensions[i % 4];
      const UniqueFile file(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file) return;
      DWORD written = 0;
      WriteFile(file.Get(), "bench\r\n", 7, &written, nullptr);
      made_.push_back(name);
    }
  }

  // Shortcuts to a program and to the folder above.
  std::string ShortcutTarget(int i) const {
    if (i % 40 != 0) return folder_ + kEntryPrefix + "1";
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\notepad.exe";
  }

  static bool MakeShortcut(const std::string& linkPath, const std::string& target) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.Receive())))
      return false;
    link->SetPath(target.c_str());
    link->SetDescription("Pouch menu bench");
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Receive()))) return false;
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH)) return false;
    return SUCCEEDED(file->Save(wide, TRUE));
  }

  template <typename Visit>
  void ForEachEntry(Visit visit) const {
    WIN32_FIND_DATAA found{};
    const UniqueFindFile search(FindFirstFileA((folder_ + "*").c_str(), &found));
    if (!search) return;
    do {
      if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
        visit(found);
    } while (FindNextFileA(search.Get(), &found));
  }

  int CountEntries() const {
    int count = 0;
    ForEachEntry([&count](const WIN32_FIND_DATAA&) { ++count; });
    return count;
  }

  void RemoveOurs() {
    std::vector<std::pair<std::string, bool>> ours;
    ForEachEntry([&ours](const WIN32_FIND_DATAA& found) {
      if (std::strncmp(found.cFileName, kEntryPrefix, sizeof kEntryPrefix - 1) == 0)
        ours.emplace_back(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    });
    for (const auto& entry : ours) {
      const std::string path = folder_ + entry.first;
      if (entry.second) RemoveDirectoryA(path.c_str());
      else DeleteFileA(path.c_str());
    }
    made_.clear();
  }

  std::string folder_;
  bool madeFolder_ = false;
  int existing_ = 0;
  std::vector<std::string> made_;
};

// --- the farm ---------------------------------------------------------------

farm::WindowSpec FolderSpec(int index) {
  farm::WindowSpec spec =
      farm::Spec("CabinetWClass", "Folder " + std::to_string(index) + " - Documents");
  spec.x = 10 + (index * 37) % 600;
  spec.y = 10 + (index * 23) % 400;
  spec.plainChildren = 2;
  return spec;
}

bool FillFarm(farm::WindowFarm& windowFarm, int n) {
  if (!windowFarm.Running()) {
    std::fprintf(stderr, "WindowFarm.exe did not start\n");
    return false;
  }
  for (int index = 0; index < n; ++index) {
    if (!windowFarm.Create(FolderSpec(index))) {
      std::fprintf(stderr, "N=%d: the farm could not make window %d\n", n, index);
      return false;
    }
  }
  // The desktop's taskbar takes in the new windows on its own time; let it
  // finish before the clock runs.
  Sleep(500 + static_cast<DWORD>(n) * 5);
  PouchLists lists;
  BuildPouchLists(lists, 1);
  int listed = 0;
  for (const WindowList& list : lists) listed += static_cast<int>(windowFarm.Own(list).size());
  if (listed == n) return true;
  std::fprintf(stderr, "N=%d: the pouch lists hold %d farm windows\n", n, listed);
  return false;
}

// --- one menu of each kind --------------------------------------------------

struct Sample {
  bool drawn = false;
  double ms = 0.0;
};

// Opens the pouch menu and returns once it has been cancelled and torn down.
Sample PouchMenu(bool collect) {
  DrainMessageQueue();
  g_track.Start(MenuKind::kPouch, collect);
  const LONGLONG start = Now();
  ShowPouchMenu(*g_host, kSurfaceMenuHotKey, -1, -1);
  return {g_track.drawn, Milliseconds(g_track.drawnAt - start)};
}

volatile unsigned g_sink = 0;

BOOL CALLBACK ReadNameAndTitle(HWND window, LPARAM context) {
  char className[256];
  char title[512];
  auto* characters = reinterpret_cast<unsigned*>(context);
  *characters += static_cast<unsigned>(GetClassNameA(window, className, sizeof className));
  *characters += static_cast<unsigned>(GetWindowTextA(window, title, sizeof title));
  return TRUE;
}

Sample FloorMenu(const std::vector<std::string>& texts) {
  DrainMessageQueue();
  g_track.Start(MenuKind::kFloor, false);
  const LONGLONG start = Now();
  unsigned characters = 0;
  EnumWindows(ReadNameAndTitle, reinterpret_cast<LPARAM>(&characters));
  g_sink = g_sink + characters;
  const UniqueMenu menu(CreatePopupMenu());
  for (std::size_t i = 0; i < texts.size(); ++i)
    AppendMenuA(menu.Get(), MF_OWNERDRAW, i + 1, reinterpret_cast<LPCSTR>(&texts[i]));
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(menu.Get(), TPM_LEFTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, MainWindow(),
                 nullptr);
  PostMessageA(MainWindow(), WM_NULL, 0, 0);
  return {g_track.drawn, Milliseconds(g_track.drawnAt - start)};
}

// --- latency ----------------------------------------------------------------

struct LatencyRow {
  int n = 0;
  int rootItems = 0;
  int itemsDrawn = 0;
  std::vector<double> floor;
  std::vector<double> pouch;
};

bool MeasureLatency(int n, int repetitions, LatencyRow& row) {
  farm::WindowFarm windowFarm;
  if (!FillFarm(windowFarm, n)) return false;
  for (int i = 0; i < kWarmUpMenus; ++i) PouchMenu(false);
  // The floor draws the texts the pouch menu's root shows.
  if (!PouchMenu(true).drawn) {
    std::fprintf(stderr, "N=%d: the pouch menu never went idle on screen\n", n);
    return false;
  }
  const std::vector<std::string> texts = g_track.rootTexts;
  row.n = n;
  row.rootItems = g_track.rootItems;
  row.itemsDrawn = g_track.itemsDrawn;
  for (int i = 0; i < kWarmUpMenus; ++i) FloorMenu(texts);
  for (int i = 0; i < repetitions; ++i) {
    const Sample floor = FloorMenu(texts);
    const Sample pouch = PouchMenu(false);
    if (!floor.drawn || !pouch.drawn) {
      std::fprintf(stderr, "N=%d: a menu never went idle on screen\n", n);
      return false;
    }
    row.floor.push_back(floor.ms);
    row.pouch.push_back(pouch.ms);
  }
  return true;
}

bool PrintLatency(const std::vector<LatencyRow>& rows) {
  std::printf("latency (ms) from the call (ShowPouchMenu; the floor's EnumWindows pass) to the\n"
              "owner's first WM_ENTERIDLE with the menu on screen, then cancelled; root: its\n"
              "items, drawn: those drawn by then (a root taller than the screen scrolls)\n");
  std::printf("%5s %6s %6s %5s %10s %10s %10s %10s %6s\n", "N", "root", "drawn", "reps",
              "floor_med", "floor_p95", "pouch_med", "pouch_p95", "ratio");
  bool met = true;
  for (const LatencyRow& row : rows) {
    const double floor = bench::Median(row.floor);
    const double pouch = bench::Median(row.pouch);
    const double ratio = floor > 0.0 ? pouch / floor : 0.0;
    std::printf("%5d %6d %6d %5zu %10.2f %10.2f %10.2f %10.2f %6.2f\n", row.n, row.rootItems,
                row.itemsDrawn, row.pouch.size(), floor, bench::Percentile(row.floor, 95), pouch,
                bench::Percentile(row.pouch, 95), ratio);
    if (ratio > kGoalRatio || (row.n == kGoalWindows && pouch >= kGoalMedianMs)) met = false;
  }
  std::printf("latency goal (ratio <= %.1f, median < %.0f ms at N=%d): goal %s\n", kGoalRatio,
              kGoalMedianMs, kGoalWindows, met ? "met" : "missed");
  return met;
}

// --- leaks ------------------------------------------------------------------

// The count must follow objects made and deleted, or the leak figure means
// nothing.
bool CheckGdiCount() {
  const int before = Total(GdiObjectsByType());
  std::vector<UniqueGdiObject> brushes;
  for (int i = 0; i < 100; ++i) brushes.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
  const int made = Total(GdiObjectsByType());
  brushes.clear();
  const int after = Total(GdiObjectsByType());
  const bool ok = made - before == 100 && after == before;
  std::printf("GDI count self-check: %d, with 100 brushes %+d, deleted %+d: %s\n", before,
              made - before, after - before, ok ? "ok" : "FAILED");
  return ok;
}

SIZE_T WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// The same for the working set: touching a megabyte must show.
bool CheckWorkingSet() {
  const SIZE_T before = WorkingSet();
  std::vector<char> block(1024 * 1024, 1);
  const SIZE_T touched = WorkingSet();
  g_sink = g_sink + static_cast<unsigned>(block[block.size() / 2]);
  const long long growth = static_cast<long long>(touched) - static_cast<long long>(before);
  const bool ok = growth >= 512 * 1024;
  std::printf("working set self-check: touching 1024 KB adds %lld KB: %s\n", growth / 1024,
              ok ? "ok" : "FAILED");
  return ok;
}

const char* TypeName(DWORD type) {
  switch (type) {
    case OBJ_PEN: return "pen";
    case OBJ_BRUSH: return "brush";
    case OBJ_DC: return "dc";
    case OBJ_PAL: return "palette";
    case OBJ_FONT: return "font";
    case OBJ_BITMAP: return "bitmap";
    case OBJ_REGION: return "region";
    case OBJ_MEMDC: return "memdc";
    default: return "other";
  }
}

void PrintTypeChanges(const std::map<DWORD, int>& before, const std::map<DWORD, int>& after) {
  std::map<DWORD, int> changes;
  for (const auto& entry : after) changes[entry.first] += entry.second;
  for (const auto& entry : before) changes[entry.first] -= entry.second;
  for (const auto& entry : changes)
    if (entry.second != 0) std::printf("  %s %+d\n", TypeName(entry.first), entry.second);
}

bool MeasureLeaks(int menus) {
  farm::WindowFarm windowFarm;
  if (!FillFarm(windowFarm, 10)) return false;
  std::map<DWORD, int> baseline;
  SIZE_T baselineSet = 0;
  int aliveMenus = 0;
  int built = 0;
  for (int i = 1; i <= menus; ++i) {
    if (!PouchMenu(true).drawn) {
      std::fprintf(stderr, "menu %d never went idle on screen\n", i);
      return false;
    }
    for (const HMENU menu : g_track.menus) {
      ++built;
      if (IsMenu(menu)) ++aliveMenus;
    }
    if (i == kLeakBaseline) {
      baseline = GdiObjectsByType();
      baselineSet = WorkingSet();
    }
  }
  const std::map<DWORD, int> last = GdiObjectsByType();
  const SIZE_T lastSet = WorkingSet();
  const long long growth = static_cast<long long>(lastSet) - static_cast<long long>(baselineSet);
  std::printf("leaks over %d menus on 10 windows:\n", menus);
  std::printf("  GDI objects after menu %d: %d, after menu %d: %d\n", kLeakBaseline,
              Total(baseline), menus, Total(last));
  PrintTypeChanges(baseline, last);
  std::printf("  menu handles still alive after ShowPouchMenu: %d of %d\n", aliveMenus, built);
  std::printf("  working set after menu %d: %zu KB, after menu %d: %zu KB, growth %lld KB\n",
              kLeakBaseline, static_cast<size_t>(baselineSet / 1024), menus,
              static_cast<size_t>(lastSet / 1024), growth / 1024);
  const bool met = Total(last) == Total(baseline) && aliveMenus == 0 && built > 0 &&
                   growth <= static_cast<long long>(kGoalWorkingSetGrowth);
  std::printf("leak goal (same GDI count, no menu alive, growth <= 64 KB): goal %s\n",
              met ? "met" : "missed");
  return true;
}

// --- command line -----------------------------------------------------------

bool ParseCount(const char* text, int low, int high, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (*end != '\0' || parsed < low || parsed > high) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "-r") == 0 && hasValue) {
      if (!ParseCount(argv[++i], 1, 10000, options.repetitions)) return false;
    } else if (std::strcmp(argv[i], "-m") == 0 && hasValue) {
      if (!ParseCount(argv[++i], kLeakBaseline, 100000, options.menus)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// As the main window sets up the menu: settings, metrics, icons, desktop.
void SetUpMenu(HWND owner, PouchMenuHost& host) {
  LoadBuiltInClassNames();
  LookUpDiskFreeSpaceEx();
  SetMainWindow(owner);
  std::string desktop;
  if (ReadShellFolderPath("Desktop", desktop)) SetDesktopFolderPath(desktop);
  host.Style().UpdateMetrics();
  g_host = &host;
}

int Run(const Options& options) {
  const UniqueWindow owner(CreateOwner());
  if (!owner) {
    std::fprintf(stderr, "no owner window\n");
    return 1;
  }
  Settings() = SettingsRecord();
  Settings().DisplayMenuLargeIcon = 0;
  const MenuArt art(GetModuleHandleA(nullptr), Settings().Use256ColorsIcon == 1);
  PouchMenuHost host(art);
  SetUpMenu(owner.Get(), host);
  // Away from the menu's first items, so that no item is selected.
  SetCursorPos(300, 40);
  const DesktopFiller desktop;
  std::printf("desktop folder %s: %d entries (%d there before, %d made)\n",
              desktop.Folder().c_str(), desktop.Entries(), desktop.Existing(), desktop.Made());
  if (!CheckGdiCount() || !CheckWorkingSet()) return 1;

  std::vector<LatencyRow> rows;
  for (const int n : {10, 100}) {
    LatencyRow row;
    if (!MeasureLatency(n, options.repetitions, row)) return 1;
    rows.push_back(row);
    std::fprintf(stderr, "N=%d measured\n", n);
  }
  PrintLatency(rows);
  std::fflush(stdout);
  if (!MeasureLeaks(options.menus)) return 1;
  g_host = nullptr;
  SetMainWindow(nullptr);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: PouchMenuBench [-r REPETITIONS] [-m MENUS]\n");
    return 2;
  }
  // As Stowpouch.exe's manifest asks: the menu sees the screen's own DPI.
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const auto setAwareness = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
  if (setAwareness) setAwareness(reinterpret_cast<HANDLE>(-4));  // per monitor, version 2
  std::printf("screen at %d dpi\n", SystemDpi());
  CoInitialize(nullptr);
  const int result = Run(options);
  std::fflush(stdout);
  CoUninitialize();
  return result;
}
