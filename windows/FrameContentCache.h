#pragma once
// What each browser frame on the desktop shows, a folder or a document, kept
// from one look at the desktop to the next. Looking into another program's
// window tree is a trip to the window server for every window in it on some
// systems, and the pouch looks at every frame each time it opens. What a
// frame shows changes only when a document view is made inside it or a
// window is moved into it, so either, anywhere, makes the cache forget
// everything; a frame last seen holding a document view is asked again
// whether that view is still inside it, since its going sends us nothing.
#include <windows.h>

#include <vector>

#include "framework/Handles.h"
#include "windows/PouchRules.h"

class FrameContentCache {
 public:
  FrameContentCache() = default;
  FrameContentCache(const FrameContentCache&) = delete;
  FrameContentCache& operator=(const FrameContentCache&) = delete;

  // Before a look at the desktop: the window events still queued are taken
  // in, and the frames the last look did not ask about are forgotten.
  void BeginLook();
  // What `frame`, a browser frame, shows now.
  FrameContent ContentOf(HWND frame);

 private:
  struct Entry {
    HWND frame;
    HWND documentView;  // null: the frame shows a folder
  };

  void Listen();
  bool Listening() const { return createHook_ && parentHook_; }

  std::vector<Entry> entries_;
  std::vector<Entry> lastLook_;
  unsigned treeChanges_ = 0;  // the count of window events when entries_ was valid
  UniqueWinEventHook createHook_;
  UniqueWinEventHook parentHook_;
};
