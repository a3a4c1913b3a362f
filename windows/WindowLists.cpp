#include "windows/WindowLists.h"

#include <string>
#include <utility>

#include "framework/Controls.h"
#include "settings/SettingsStore.h"
#include "windows/ClassNames.h"
#include "windows/FrameContentCache.h"
#include "windows/WindowClass.h"

namespace {

constexpr char kDesktopClass[] = "progman";
constexpr int kTextCapacity = 512;

struct Candidate {
  HWND window;
  LONG_PTR style;
  std::string className;
  std::string title;  // read once: each read is a trip to the window server
};
using CandidateList = std::vector<Candidate>;

bool HasArea(HWND window) {
  RECT rect;
  return GetWindowRect(window, &rect) && rect.right != rect.left && rect.bottom != rect.top;
}

// A look at another process's window can be a round trip to the window
// server, so every call counts. One style read stands in for IsWindowVisible
// (a top-level window's parent, the desktop, is always visible), for
// GetParent on the windows that cannot have one, and later for IsIconic.
// The cheap tests come first: most top-level windows are hidden.
BOOL CALLBACK CollectCandidate(HWND window, LPARAM context) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if (!(style & WS_VISIBLE)) return TRUE;
  if ((style & (WS_POPUP | WS_CHILD)) && GetParent(window) != nullptr) return TRUE;
  if (!HasArea(window)) return TRUE;
  // WindowTitle reads another program's title without sending it a
  // message, so a hung program cannot stop us here.
  std::string title = WindowTitle(window);
  if (title.empty()) return TRUE;
  // A window gone since EnumWindows listed it fails here; no IsWindow needed.
  char className[kTextCapacity];
  if (GetClassNameA(window, className, kTextCapacity) == 0) return TRUE;
  if (ClassNameEquals(className, kDesktopClass)) return TRUE;
  reinterpret_cast<CandidateList*>(context)->push_back({window, style, className, std::move(title)});
  return TRUE;
}

// The program's own windows are not the user's applications: they stay out
// of the lists that show, hide and reorder them.
bool OfThisProcess(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId == GetCurrentProcessId();
}

CandidateList Candidates() {
  CandidateList candidates;
  EnumWindows(CollectCandidate, reinterpret_cast<LPARAM>(&candidates));
  return candidates;
}

bool IsBrowserFrameClass(const char* className) {
  const BuiltInClassNames& builtIn = BuiltInClasses();
  return ClassNameEquals(className, builtIn.folder.c_str()) ||
         ClassNameEquals(className, builtIn.browser.c_str());
}

FrameContent ContentOfFrame(HWND window, const char* className,
                            FrameContentCache* frames = nullptr) {
  if (!IsBrowserFrameClass(className)) return FrameContent::kNotAFrame;
  if (frames) return frames->ContentOf(window);
  return HasDocumentView(window) ? FrameContent::kDocument : FrameContent::kFolder;
}

// The kind whose class list names the class first, or -1.
int FirstMatchingKind(const std::string& className, const KindClassLists& kinds) {
  for (std::size_t kind = 0; kind < kinds.size(); ++kind)
    for (const std::string& name : kinds[kind])
      if (ClassNameEquals(className.c_str(), name.c_str())) return static_cast<int>(kind);
  return -1;
}

bool IsListed(const std::string& className, const ClassNameList& names) {
  for (const std::string& name : names)
    if (ClassNameEquals(className.c_str(), name.c_str())) return true;
  return false;
}

bool Included(const Candidate& candidate, int includeMinimized) {
  return includeMinimized != 0 || !(candidate.style & WS_MINIMIZE);
}

}  // namespace

int EnumerateCandidateWindows(WindowList& list) {
  for (const Candidate& candidate : Candidates()) list.push_back(candidate.window);
  return 1;
}

int ClassifyBrowserFrame(HWND window) {
  char className[257];  // a class name reaches 256 characters
  if (GetClassNameA(window, className, sizeof className) == 0) return -1;
  switch (ContentOfFrame(window, className)) {
    case FrameContent::kFolder:
      return static_cast<int>(WindowKind::Folder);
    case FrameContent::kDocument:
      return static_cast<int>(WindowKind::InternetExplorer);
    default:
      return -1;
  }
}

int BuildPouchClassList(ClassNameList& names) {
  names = PouchClassNames(Settings(), BuiltInClasses());
  return 1;
}

int BuildKindClassLists(KindClassLists& names) {
  names = KindClassNames(Settings(), BuiltInClasses());
  return 1;
}

int BuildPouchLists(PouchLists& lists, int includeMinimized) {
  PouchTitles titles;
  return BuildTitledPouchLists(lists, titles, includeMinimized);
}

int BuildTitledPouchLists(PouchLists& lists, PouchTitles& titles, int includeMinimized,
                          FrameContentCache* frames) {
  if (frames) frames->BeginLook();
  for (WindowList& list : lists) list.clear();
  for (std::vector<std::string>& list : titles) list.clear();
  const CandidateList candidates = Candidates();
  KindClassLists kinds;
  BuildKindClassLists(kinds);
  for (const Candidate& candidate : candidates) {
    const int matched = FirstMatchingKind(candidate.className, kinds);
    if (matched < 0 || !Included(candidate, includeMinimized)) continue;
    const int kind =
        PouchKindOfMatch(static_cast<WindowKind>(matched),
                         ContentOfFrame(candidate.window, candidate.className.c_str(), frames),
                         Settings());
    if (kind < 0) continue;
    lists[static_cast<std::size_t>(kind)].push_back(candidate.window);
    titles[static_cast<std::size_t>(kind)].push_back(candidate.title);
  }
  return 1;
}

int BuildOtherWindowList(WindowList& list, int includeMinimized) {
  const CandidateList candidates = Candidates();
  ClassNameList pouchClasses;
  BuildPouchClassList(pouchClasses);
  const SettingsRecord& settings = Settings();
  const bool contentMatters = FrameContentMatters(settings.Folder, settings.IExplorer);
  for (const Candidate& candidate : candidates) {
    if (!Included(candidate, includeMinimized)) continue;
    const bool pouchWindow =
        IsListed(candidate.className, pouchClasses) &&
        (!contentMatters ||
         IsPouchWindowOfListedClass(ContentOfFrame(candidate.window, candidate.className.c_str()),
                                    settings));
    if (!pouchWindow && !OfThisProcess(candidate.window)) list.push_back(candidate.window);
  }
  return 1;
}
