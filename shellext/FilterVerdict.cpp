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

ClassVerdict VerdictByClass(const TaskbarFilterConfig& config, const char* className) {
  // An empty list entry must match no window.
  if (className == nullptr || className[0] == '\0' || !IsListed(className, config.classes))
    return ClassVerdict::kKept;
  // Searching the descendants of another program's window is the one costly
  // step; skip it when what the frame shows cannot change the verdict.
  return FilterNeedsFrameContent(config) ? ClassVerdict::kByContent : ClassVerdict::kFiltered;
}

bool IsFilteredByContent(const TaskbarFilterConfig& config, HWND window, const char* className) {
  return IsFilteredContent(ContentOfFrame(window, className), config);
}

bool IsFilteredBy(const TaskbarFilterConfig& config, HWND window, const char* className) {
  switch (VerdictByClass(config, className)) {
    case ClassVerdict::kKept:
      return false;
    case ClassVerdict::kFiltered:
      return true;
    case ClassVerdict::kByContent:
      break;
  }
  return IsFilteredByContent(config, window, className);
}
