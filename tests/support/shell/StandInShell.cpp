// StandInShell.exe: plays the parts of the desktop shell that Graftling
// meets, which Wine does not have. It owns the taskbar's window chain with a
// real tab control that holds one item per taskbar button (the item's lParam
// is the button's window), keeps those items in step with the top-level
// windows that are shown, hidden and destroyed, and serves load requests the
// way the shell serves SHLoadInProc: the class is created from the registry
// in this process, so Graftling's DllGetClassObject runs here, beside the tab
// control.
//
// Its taskbar window is topmost, so a search for "Shell_TrayWnd" finds it
// before the taskbar of Wine's own desktop, which has no tab control.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/SharedNames.h"
#include "framework/Handles.h"
#include "shellext/GraftlingIds.h"
#include "shellext/TaskbarTabControl.h"
#include "tests/support/helper/HelperLoop.h"
#include "tests/support/shell/ShellProtocol.h"

namespace {

namespace protocol = standin::protocol;
using protocol::ItemShape;

HWND g_tab = nullptr;
UINT g_stowpouchMessage = 0;

// ---- the taskbar's windows ----------------------------------------------------

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterPlainClass(HINSTANCE instance, const char* name) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

HWND CreateChild(HINSTANCE instance, const char* className, HWND parent) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 28, parent, nullptr,
                         instance, nullptr);
}

// Hidden: nothing on the screen depends on it, and the other tests' clicks
// must not land on it.
HWND CreateTaskbar(HINSTANCE instance, bool withRebar) {
  if (!RegisterPlainClass(instance, kTrayWindowClass) ||
      !RegisterPlainClass(instance, kTaskSwitchClass))
    return nullptr;
  UniqueWindow tray(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTrayWindowClass, "",
                                    WS_POPUP, 0, 0, 400, 28, nullptr, nullptr, instance, nullptr));
  if (!tray) return nullptr;
  // The real rebar of the common controls ("ReBarWindow32": class names
  // compare without regard to case).
  const HWND rebar = withRebar ? CreateChild(instance, REBARCLASSNAMEA, tray.Get()) : tray.Get();
  const HWND taskSwitch = rebar ? CreateChild(instance, kTaskSwitchClass, rebar) : nullptr;
  g_tab = taskSwitch ? CreateChild(instance, WC_TABCONTROLA, taskSwitch) : nullptr;
  if (!g_tab) return nullptr;
  return tray.Release();
}

// ---- what reaches the tab control itself --------------------------------------

// Counts what gets past every procedure in front of the tab control's own.
struct Seen {
  std::vector<std::pair<WPARAM, int>> stowpouchMessages;
  int insertions = 0;
};
Seen g_seen;
WNDPROC g_tabProcedure = nullptr;

void CountStowpouchMessage(WPARAM wParam) {
  for (auto& entry : g_seen.stowpouchMessages)
    if (entry.first == wParam) {
      ++entry.second;
      return;
    }
  g_seen.stowpouchMessages.emplace_back(wParam, 1);
}

int StowpouchMessagesSeen(WPARAM wParam) {
  for (const auto& entry : g_seen.stowpouchMessages)
    if (entry.first == wParam) return entry.second;
  return 0;
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_stowpouchMessage && message != 0) CountStowpouchMessage(wParam);
  if (message == TCM_INSERTITEMA || message == TCM_INSERTITEMW) ++g_seen.insertions;
  return CallWindowProcW(g_tabProcedure, window, message, wParam, lParam);
}

// The shell's own procedure, put in when the tab control is made; the W
// calls keep the control a Unicode window, as the shell's is.
bool StartCounting() {
  g_tabProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(g_tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  return g_tabProcedure != nullptr;
}

// Another program's procedure put in front of everything, as a second
// program that subclasses the taskbar would.
WNDPROC g_belowTop = nullptr;

LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(g_belowTop, window, message, wParam, lParam);
}

LRESULT SubclassOnTop() {
  if (g_belowTop) return 0;
  g_belowTop = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(g_tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
  return g_belowTop ? 1 : 0;
}

LRESULT RemoveTopSubclass() {
  if (!g_belowTop ||
      GetWindowLongPtrW(g_tab, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TopProc))
    return 0;
  SetWindowLongPtrW(g_tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowTop));
  g_belowTop = nullptr;
  return 1;
}

// ---- one tab item per taskbar button ------------------------------------------

int ItemCount() { return static_cast<int>(SendMessageA(g_tab, TCM_GETITEMCOUNT, 0, 0)); }

LPARAM ItemParam(int index) {
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (!SendMessageA(g_tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item)))
    return 0;
  return item.lParam;
}

int ItemIndexOf(LPARAM param) {
  const int count = ItemCount();
  for (int i = 0; i < count; ++i)
    if (ItemParam(i) == param) return i;
  return -1;
}

// The shell's rule: a top-level window gets a button unless it is a tool
// window or owned by another, and an application window always does.
bool TakesButton(HWND window) {
  if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return false;
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (exStyle & WS_EX_APPWINDOW) return true;
  if (exStyle & WS_EX_TOOLWINDOW) return false;
  return GetWindow(window, GW_OWNER) == nullptr;
}

LRESULT Insert(LPARAM param, ItemShape shape, char* text) {
  TCITEMA item{};
  item.mask = (shape == ItemShape::kWithoutParam ? 0 : TCIF_PARAM) | (text ? TCIF_TEXT : 0);
  item.pszText = text;
  item.lParam = param;
  const LPARAM record = shape == ItemShape::kNoItem ? 0 : reinterpret_cast<LPARAM>(&item);
  return SendMessageA(g_tab, TCM_INSERTITEMA, static_cast<WPARAM>(ItemCount()), record);
}

// The item goes in through whatever procedures sit in front of the tab
// control, Graftling's filter among them, which may swallow it.
void AddButton(HWND window) {
  const LPARAM param = reinterpret_cast<LPARAM>(window);
  if (ItemIndexOf(param) >= 0) return;
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  Insert(param, ItemShape::kWithWindow, title);
}

void RemoveButton(HWND window) {
  const int index = ItemIndexOf(reinterpret_cast<LPARAM>(window));
  if (index >= 0) SendMessageA(g_tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

bool OfThisProcess(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId == GetCurrentProcessId();
}

// As the taskbar does, each report is acted on as it comes, whatever the
// window is by now: a hide takes the button away, and the show right after
// it brings it back through the filter, even when the window has long been
// visible again.
void OnWindowChanged(HWND window, LPARAM event) {
  if (window == nullptr || OfThisProcess(window)) return;
  if (event != protocol::kShown)
    RemoveButton(window);
  else if (TakesButton(window))
    AddButton(window);
}

// The window the hook reports to, while the watch runs.
HWND g_sink = nullptr;

// With the late option, reports wait here, in order, until a sync.
struct Report {
  HWND window;
  LPARAM event;
};
std::vector<Report> g_heldReports;
bool g_late = false;

void OnReport(HWND window, LPARAM event) {
  if (g_late)
    g_heldReports.push_back({window, event});
  else
    OnWindowChanged(window, event);
}

// Reports are posted, and a thread takes posted messages only after the
// sent ones, requests among them: every report posted before a request is
// still queued, held or handled when the request comes.
LRESULT HandleReportsSoFar() {
  MSG message;
  while (g_sink && PeekMessageA(&message, g_sink, protocol::kWindowChanged,
                                protocol::kWindowChanged, PM_REMOVE))
    OnReport(reinterpret_cast<HWND>(message.wParam), message.lParam);
  const std::vector<Report> held = std::move(g_heldReports);
  g_heldReports.clear();
  for (const Report& report : held) OnWindowChanged(report.window, report.event);
  return 1;
}

LRESULT CALLBACK HookSinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == protocol::kWindowChanged) {
    OnReport(reinterpret_cast<HWND>(wParam), lParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The global hook that reports shown and hidden windows from every process
// (see StandInShellHook.cpp), with the window it reports to.
class WindowWatch {
 public:
  explicit WindowWatch(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = HookSinkProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = protocol::kHookSinkClass;
    if (!RegisterClassExA(&windowClass)) return;
    sink_.Reset(CreateWindowExA(0, protocol::kHookSinkClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, instance, nullptr));
    g_sink = sink_.Get();
    library_ = LoadLibraryA(protocol::kHookLibrary);
    const auto procedure = library_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                          GetProcAddress(library_, protocol::kHookProcedure)))
                                    : nullptr;
    if (sink_ && procedure) hook_ = SetWindowsHookExA(WH_CALLWNDPROC, procedure, library_, 0);
  }
  ~WindowWatch() {
    g_sink = nullptr;
    if (hook_) UnhookWindowsHookEx(hook_);
    if (library_) FreeLibrary(library_);
  }
  WindowWatch(const WindowWatch&) = delete;
  WindowWatch& operator=(const WindowWatch&) = delete;

  bool Watching() const { return hook_ != nullptr; }

 private:
  UniqueWindow sink_;
  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
};

BOOL CALLBACK AddExistingButton(HWND window, LPARAM) {
  if (!OfThisProcess(window) && IsWindowVisible(window) && TakesButton(window)) AddButton(window);
  return TRUE;
}

// ---- requests --------------------------------------------------------------------

template <typename T>
bool Read(const COPYDATASTRUCT& request, T* value) {
  if (request.cbData != sizeof(T) || request.lpData == nullptr) return false;
  std::memcpy(value, request.lpData, sizeof(T));
  return true;
}

// As the shell does for SHLoadInProc: create the class from the registry in
// this process, let go of whatever came back, and unload the libraries that
// say they may go.
LRESULT ServeLoadRequest(const COPYDATASTRUCT& request) {
  CLSID clsid;
  if (!Read(request, &clsid)) return E_INVALIDARG;
  IUnknown* object = nullptr;
  const HRESULT result = CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IUnknown,
                                          reinterpret_cast<void**>(&object));
  if (SUCCEEDED(result) && object) object->Release();
  CoFreeUnusedLibraries();
  return result;
}

// Whether Graftling's procedure is the first the tab control calls: its
// address lies in Graftling.dll's image.
LRESULT FilterInFront() {
  const HMODULE graftling = GetModuleHandleA("Graftling.dll");
  const auto procedure = reinterpret_cast<LPCSTR>(GetWindowLongPtrW(g_tab, GWLP_WNDPROC));
  constexpr DWORD kByAddress =
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  HMODULE owner = nullptr;
  if (!graftling || !GetModuleHandleExA(kByAddress, procedure, &owner)) return 0;
  return owner == graftling ? 1 : 0;
}

LRESULT ModuleLoaded(const COPYDATASTRUCT& request) {
  if (request.lpData == nullptr || request.cbData == 0 || request.cbData > MAX_PATH) return 0;
  const std::string name(static_cast<const char*>(request.lpData), request.cbData);
  return GetModuleHandleA(name.c_str()) != nullptr ? 1 : 0;
}

LONGLONG Nanoseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (to.QuadPart - from.QuadPart) * 1000000000 / frequency.QuadPart;
}

// Messages the tab control answers at once: the cost of the procedures in
// front of it.
LRESULT TimeMessages(std::uint32_t count) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (std::uint32_t i = 0; i < count; ++i) SendMessageA(g_tab, TCM_GETITEMCOUNT, 0, 0);
  QueryPerformanceCounter(&end);
  return static_cast<LRESULT>(Nanoseconds(start, end));
}

// One insertion of an item for `window`, timed alone; an item that got in is
// taken out again untimed.
LRESULT TimeInsertion(const protocol::TimingRecord& record) {
  if (record.repetitions == 0) return -1;
  const LPARAM param = reinterpret_cast<LPARAM>(protocol::WindowFromWire(record.window));
  std::vector<LONGLONG> samples;
  for (std::uint32_t i = 0; i < record.repetitions; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    Insert(param, ItemShape::kWithWindow, nullptr);
    QueryPerformanceCounter(&end);
    samples.push_back(Nanoseconds(start, end));
    const int index = ItemIndexOf(param);
    if (index >= 0) SendMessageA(g_tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return static_cast<LRESULT>(samples[samples.size() / 2]);
}

// ---- load requests from a second thread -------------------------------------------

// The shell may serve load requests on a thread other than the taskbar's.
// This one serves them for Graftling, each as ServeLoadRequest does, one
// each time the tab control's thread lets it (so that both go on side by
// side, neither starving the other) until told to stop; always an odd number,
// so that it leaves the filter on; and then ends its apartment, which frees
// the libraries it loaded.
volatile LONG g_stopLoadRequests = 0;
LONG g_loadRequestsServed = 0;
HANDLE g_nextLoadRequest = nullptr;

DWORD WINAPI ServeLoadRequestsUntilStopped(void*) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  LONG served = 0;
  for (;;) {
    const bool stopped = InterlockedCompareExchange(&g_stopLoadRequests, 0, 0) != 0;
    if (stopped && served % 2 == 1) break;
    if (!stopped) WaitForSingleObject(g_nextLoadRequest, INFINITE);
    IUnknown* object = nullptr;
    if (SUCCEEDED(CoGetClassObject(CLSID_Graftling, CLSCTX_INPROC_SERVER, nullptr, IID_IUnknown,
                                   reinterpret_cast<void**>(&object))) &&
        object)
      object->Release();
    CoFreeUnusedLibraries();
    InterlockedExchange(&g_loadRequestsServed, ++served);
  }
  CoUninitialize();
  return 0;
}

// Sent messages only, as a taskbar thread between two of its insertions
// takes them.
void HandleSentMessages() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// Every insertion for a window the filter lets through must reach the tab
// control: one that does not was handed to the default procedure instead.
// The other thread is waited for while its sent messages are taken.
constexpr std::uint32_t kInsertionsPerLoadRequest = 10;

LRESULT InsertDuringLoadRequests(const protocol::StressRecord& record) {
  const LPARAM param = reinterpret_cast<LPARAM>(protocol::WindowFromWire(record.window));
  InterlockedExchange(&g_stopLoadRequests, 0);
  InterlockedExchange(&g_loadRequestsServed, 0);
  const UniqueKernelHandle next(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  g_nextLoadRequest = next.Get();
  if (!next) return -1;
  const UniqueKernelHandle thread(
      CreateThread(nullptr, 0, ServeLoadRequestsUntilStopped, nullptr, 0, nullptr));
  if (!thread) return -1;
  const int seenBefore = g_seen.insertions;
  for (std::uint32_t i = 0; i < record.insertions; ++i) {
    const LRESULT index = Insert(param, ItemShape::kWithWindow, nullptr);
    if (index >= 0 && ItemCount() > 0)
      SendMessageA(g_tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    if (i % kInsertionsPerLoadRequest == 0) SetEvent(next.Get());
    HandleSentMessages();
  }
  const int reached = g_seen.insertions - seenBefore;
  InterlockedExchange(&g_stopLoadRequests, 1);
  SetEvent(next.Get());
  const HANDLE handle = thread.Get();
  while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) !=
         WAIT_OBJECT_0)
    HandleSentMessages();
  return static_cast<LRESULT>(record.insertions) - reached;
}

// What the shell holds, as leaks would grow it: Wine answers neither
// GetProcessHandleCount nor the private bytes of GetProcessMemoryInfo, so
// the heap is walked and a new handle's value (the lowest free slot) read.
SIZE_T HeapInUse() {
  const HANDLE heap = GetProcessHeap();
  SIZE_T busy = 0;
  PROCESS_HEAP_ENTRY entry{};
  if (!HeapLock(heap)) return 0;
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
  HeapUnlock(heap);
  return busy;
}

ULONG_PTR NextHandleValue() {
  const HANDLE probe = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (probe == nullptr) return 0;
  CloseHandle(probe);
  return reinterpret_cast<ULONG_PTR>(probe);
}

LRESULT OnRequest(const COPYDATASTRUCT& request) {
  std::int64_t wire = 0;
  std::int32_t number = 0;
  std::uint32_t count = 0;
  switch (request.dwData) {
    case protocol::kQuit:
      PostQuitMessage(0);
      return 1;
    case protocol::kServeLoadRequest:
      return ServeLoadRequest(request);
    case protocol::kTabControl:
      return reinterpret_cast<LRESULT>(g_tab);
    case protocol::kHasItem:
      return Read(request, &wire) && ItemIndexOf(static_cast<LPARAM>(wire)) >= 0 ? 1 : 0;
    case protocol::kItemCount:
      return ItemCount();
    case protocol::kItemWindow:
      return Read(request, &number) ? ItemParam(number) : 0;
    case protocol::kInsertItem: {
      protocol::InsertRecord record{};
      if (!Read(request, &record)) return -1;
      return Insert(static_cast<LPARAM>(record.itemParam), static_cast<ItemShape>(record.shape),
                    nullptr);
    }
    case protocol::kMessagesSeen:
      return Read(request, &number) ? StowpouchMessagesSeen(static_cast<WPARAM>(number)) : -1;
    case protocol::kInsertionsSeen:
      return g_seen.insertions;
    case protocol::kSubclassOnTop:
      return SubclassOnTop();
    case protocol::kRemoveTopSubclass:
      return RemoveTopSubclass();
    case protocol::kModuleLoaded:
      return ModuleLoaded(request);
    case protocol::kSync:
      return HandleReportsSoFar();
    case protocol::kFilterInFront:
      return FilterInFront();
    case protocol::kHeapInUse:
      return static_cast<LRESULT>(HeapInUse());
    case protocol::kNextHandle:
      return static_cast<LRESULT>(NextHandleValue());
    case protocol::kHang:
      if (!Read(request, &count)) return 0;
      // The client is released first; then this thread takes no message.
      ReplyMessage(1);
      Sleep(count);
      return 1;
    case protocol::kTimeMessages:
      return Read(request, &count) ? TimeMessages(count) : -1;
    case protocol::kInsertDuringLoadRequests: {
      protocol::StressRecord record{};
      return Read(request, &record) ? InsertDuringLoadRequests(record) : -1;
    }
    case protocol::kLoadRequestsServed:
      return InterlockedCompareExchange(&g_loadRequestsServed, 0, 0);
    case protocol::kTimeInsertion: {
      protocol::TimingRecord record{};
      return Read(request, &record) ? TimeInsertion(record) : -1;
    }
    default:
      return 0;
  }
}

bool HasOption(const char* commandLine, const char* option) {
  return commandLine != nullptr && std::strstr(commandLine, option) != nullptr;
}

// COM for this thread, as the shell's thread that serves load requests has.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const ComApartment apartment;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_COOL_CLASSES};
  if (!InitCommonControlsEx(&controls)) return 1;
  g_stowpouchMessage = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);

  const UniqueWindow tray(CreateTaskbar(instance, !HasOption(commandLine, protocol::kNoRebarOption)));
  if (!tray) return 1;
  const bool bare = HasOption(commandLine, protocol::kBareOption);
  g_late = HasOption(commandLine, protocol::kLateOption);
  if (!bare && !StartCounting()) return 1;

  std::optional<WindowWatch> watch;
  if (!bare) {
    watch.emplace(instance);
    if (!watch->Watching()) return 1;
    EnumWindows(AddExistingButton, 0);
  }

  return helper::RunHelper(instance, commandLine, protocol::kControlClass, OnRequest);
}
