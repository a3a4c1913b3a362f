#include "shellext/FilterVerdict.h"

#include "windows/WindowClass.h"

namespace {

constexpr char kFolderFrameClass[] = "CabinetWClass";
constexpr char kBrowserFrameClass[] = "IEFRAME";

bool IsListed(const char* className, const StringList& classes) {
  for (const std::string& name : classes)
    if (ClassNameEquals(className, name.c_str())) return true;
  return false;
}

FrameContent ContentOfFrame(HWND window, const char* className) {
  if (!ClassNameEquals(className, kFolderFrameClass) &&
      !ClassNameEquals(className, kBrowserFrameClass))
    return FrameContent::kNotAFrame;
  return HasDocumentView(window) ? FrameContent::kDocument : FrameContent::kFolder;
}

}  // namespace

bool IsFilteredBy(const TaskbarFilterConfig& config, HWND window, const char* className) {
  // An empty list entry must match no window.
  if (className == nullptr || className[0] == '\0' || !IsListed(className, config.classes))
    return false;
  // Searching the descendants of another program's window is the one costly
  // step; skip it when what the frame shows cannot change the verdict.
  if (!FilterNeedsFrameContent(config)) return true;
  return IsFilteredContent(ContentOfFrame(window, className), config);
}
