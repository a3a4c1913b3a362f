#include "app/TaskbarButtons.h"

#include <algorithm>
#include <utility>

#include "framework/AppWindow.h"
#include "settings/SettingsStore.h"
#include "shellext/FilterVerdict.h"
#include "windows/ClassNames.h"
#include "windows/HiddenWindows.h"
#include "windows/WindowLists.h"

namespace {

// Class names are at most 256 characters.
constexpr int kClassNameCapacity = 257;

bool TopLevel(HWND window) { return GetAncestor(window, GA_PARENT) == GetDesktopWindow(); }

// Out of context, so it runs on this thread inside its message loop; it only
// passes the top-level windows on, and the main window decides.
void CALLBACK WindowEventProc(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                              DWORD, DWORD) {
  if (event == EVENT_OBJECT_DESTROY || window == nullptr || object != OBJID_WINDOW ||
      child != CHILDID_SELF || !TopLevel(window))
    return;
  PostMessageA(MainWindow(), kTaskbarWindowEventMessage, reinterpret_cast<WPARAM>(window),
               event == EVENT_OBJECT_NAMECHANGE ? kWindowRetitled : kWindowAppeared);
}

HWINEVENTHOOK HookEvents(DWORD first, DWORD last) {
  return SetWinEventHook(first, last, nullptr, WindowEventProc, 0, 0,
                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

TaskbarFilterConfig ConfigOf(const SettingsRecord& settings) {
  const BuiltInClassNames& builtIn = BuiltInClasses();
  TaskbarFilterConfig config;
  ReloadFilterConfig(FilterSettingsOf(settings),
                     FilterClassNames{builtIn.explorer, builtIn.folder, builtIn.browser}, config);
  return config;
}

SavedWindowList::iterator FindSaved(SavedWindowList& list, HWND window) {
  return std::find_if(list.begin(), list.end(),
                      [window](const SavedWindow& saved) { return saved.Get() == window; });
}

bool SameWindows(const SavedWindowList& a, const SavedWindowList& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const SavedWindow& x, const SavedWindow& y) {
                      return x.Get() == y.Get() && x.Thread() == y.Thread();
                    });
}

}  // namespace

void TaskbarButtons::Load() {
  taken_ = ReadSessionWindows(kTaskbarButtonsValue);
  taken_.erase(std::remove_if(taken_.begin(), taken_.end(),
                              [](const SavedWindow& saved) { return !saved.StillThere(); }),
               taken_.end());
}

void TaskbarButtons::Follow(bool take, bool buttonsCameBack) {
  config_ = ConfigOf(Settings());
  taking_ = take;
  if (!take) {
    // The filter, or the rebuild through it, has every button.
    appearHook_.Reset();
    nameHook_.Reset();
    list_.Reset();
    taken_.clear();
    Store();
    return;
  }
  if (buttonsCameBack) {
    // A new shell has forgotten every tab taken from its predecessor.
    taken_.clear();
    list_.Reset();
  }
  listFailed_ = false;
  Hook();
  Review();
}

void TaskbarButtons::Hook() {
  if (!appearHook_) appearHook_.Reset(HookEvents(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW));
  // A new title is news only where what a frame shows decides.
  if (!FilterNeedsFrameContent(config_))
    nameHook_.Reset();
  else if (!nameHook_)
    nameHook_.Reset(HookEvents(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE));
}

void TaskbarButtons::Review() {
  if (!taking_) return;
  const SavedWindowList before = taken_;
  SavedWindowList kept;
  for (const SavedWindow& saved : taken_) {
    if (!saved.StillThere()) continue;
    // A hidden window has no button now; it is looked at again when it shows.
    if (IsWindowVisible(saved.Get()) && !Wants(saved.Get())) {
      Call(saved.Get(), true);
      continue;
    }
    kept.push_back(saved);
  }
  WindowList candidates;
  EnumerateCandidateWindows(candidates);
  for (HWND window : candidates)
    if (FindSaved(kept, window) == kept.end() && Wants(window) && Call(window, false))
      kept.emplace_back(window);
  taken_ = std::move(kept);
  if (!SameWindows(before, taken_)) Store();
}

void TaskbarButtons::OnWindowEvent(HWND window, bool appeared) {
  if (!taking_) return;
  // Most new windows are no pouch windows: the class, read first, settles
  // them. An owned window has no button of its own.
  const bool wanted = Wants(window) && GetWindow(window, GW_OWNER) == nullptr;
  auto taken = FindSaved(taken_, window);
  if (taken != taken_.end() && !taken->StillThere()) {
    taken_.erase(taken);  // the handle names a new window now
    taken = taken_.end();
  }
  if (wanted) {
    // A window shown again gets a new button from the taskbar.
    if (taken == taken_.end() || appeared) {
      if (Call(window, false) && taken == taken_.end()) {
        taken_.emplace_back(window);
        StoreSoon();
      }
    }
  } else if (taken != taken_.end() && IsWindowVisible(window)) {
    Call(window, true);
    taken_.erase(taken);
    StoreSoon();
  }
}

void TaskbarButtons::GiveBackAll() {
  appearHook_.Reset();
  nameHook_.Reset();
  if (taking_) {
    // A hidden window gets its button from the taskbar when it shows.
    for (const SavedWindow& saved : taken_)
      if (saved.StillThere() && IsWindowVisible(saved.Get())) Call(saved.Get(), true);
    taken_.clear();
    Store();
  }
  list_.Reset();
  taking_ = false;
}

bool TaskbarButtons::Wants(HWND window) const {
  char className[kClassNameCapacity];
  if (GetClassNameA(window, className, kClassNameCapacity) == 0) return false;
  return IsFilteredBy(config_, window, className);
}

bool TaskbarButtons::Call(HWND window, bool add) {
  if (!list_ && !listFailed_) {
    // Made on first need, and initialised once per shell.
    listFailed_ = FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_ITaskbarList, list_.Receive())) ||
                  FAILED(list_->HrInit());
    if (listFailed_) list_.Reset();
  }
  if (!list_) return false;
  return SUCCEEDED(add ? list_->AddTab(window) : list_->DeleteTab(window));
}

void TaskbarButtons::Store() const { WriteSessionWindows(kTaskbarButtonsValue, taken_); }

void TaskbarButtons::StoreSoon() {
  if (storeQueued_) return;
  const HWND mainWindow = MainWindow();
  storeQueued_ = mainWindow != nullptr &&
                 PostMessageA(mainWindow, kTaskbarWindowEventMessage, 0, kStoreTakenWindows);
  if (!storeQueued_) Store();
}

void TaskbarButtons::StoreQueued() {
  storeQueued_ = false;
  Store();
}

TaskbarButtons& TheTaskbarButtons() {
  static TaskbarButtons buttons;
  return buttons;
}
