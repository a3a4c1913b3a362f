#include "windows/FrameContentCache.h"

#include <algorithm>

#include "windows/WindowClass.h"

namespace {

// Window events arrive on the thread that listens, inside its message loop;
// every cache on it compares this count with the one it was filled at.
unsigned g_treeChanges = 0;

// Windows are made all the time (menus, tooltips, a taskbar's buttons); only
// a document view can change what a frame shows, and a window given another
// parent may carry one inside it. A view that goes is noticed on the next
// look.
void CALLBACK NoteTreeChange(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                             DWORD, DWORD) {
  if (window == nullptr || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  if (event == EVENT_OBJECT_PARENTCHANGE || IsDocumentView(window)) ++g_treeChanges;
}

HWINEVENTHOOK ListenFor(DWORD event) {
  // Our own windows are never inside another program's frame.
  return SetWinEventHook(event, event, nullptr, NoteTreeChange, 0, 0,
                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

}  // namespace

void FrameContentCache::Listen() {
  if (!createHook_) createHook_.Reset(ListenFor(EVENT_OBJECT_CREATE));
  if (!parentHook_) parentHook_.Reset(ListenFor(EVENT_OBJECT_PARENTCHANGE));
}

void FrameContentCache::BeginLook() {
  lastLook_.swap(entries_);
  entries_.clear();
  // Takes in the window events still queued, and removes nothing; without
  // the hooks nothing was kept, and nothing needs taking in.
  MSG pending;
  if (Listening()) PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
  if (!Listening() || g_treeChanges != treeChanges_) lastLook_.clear();
  treeChanges_ = g_treeChanges;
}

FrameContent FrameContentCache::ContentOf(HWND frame) {
  // Listening starts before the first look into a frame, so that nothing
  // made in it afterwards goes unnoticed; a failed hook keeps nothing.
  Listen();
  const auto known = std::find_if(lastLook_.begin(), lastLook_.end(),
                                  [frame](const Entry& entry) { return entry.frame == frame; });
  HWND view = nullptr;
  if (known != lastLook_.end() &&
      (known->documentView == nullptr || GetAncestor(known->documentView, GA_ROOT) == frame))
    view = known->documentView;
  else
    view = FindDocumentView(frame);
  if (Listening()) entries_.push_back({frame, view});
  return view ? FrameContent::kDocument : FrameContent::kFolder;
}
