#include "windows/PouchRules.h"

#include "settings/SettingsRecord.h"

KindClassLists KindClassNames(const SettingsRecord& settings, const BuiltInClassNames& builtIn) {
  KindClassLists lists;
  lists[KindIndex(WindowKind::Folder)].push_back(builtIn.folder);
  if (settings.Explorer == 1) lists[KindIndex(WindowKind::Explorer)].push_back(builtIn.explorer);
  lists[KindIndex(WindowKind::InternetExplorer)].push_back(builtIn.browser);
  if (settings.Netscape == 1) lists[KindIndex(WindowKind::Netscape)].push_back(builtIn.netscape);
  lists[KindIndex(WindowKind::UserDefined)] = settings.UserClassName;
  return lists;
}

ClassNameList PouchClassNames(const SettingsRecord& settings, const BuiltInClassNames& builtIn) {
  ClassNameList names;
  for (const ClassNameList& kindNames : KindClassNames(settings, builtIn))
    names.insert(names.end(), kindNames.begin(), kindNames.end());
  return names;
}

namespace {

WindowKind KindOfContent(FrameContent content) {
  return content == FrameContent::kFolder ? WindowKind::Folder : WindowKind::InternetExplorer;
}

}  // namespace

int PouchKindOfMatch(WindowKind matchedKind, FrameContent content, const SettingsRecord& settings) {
  const WindowKind target = content == FrameContent::kNotAFrame ? matchedKind : KindOfContent(content);
  if (target == WindowKind::Folder && settings.Folder != 1) return -1;
  if (target == WindowKind::InternetExplorer && settings.IExplorer != 1) return -1;
  return static_cast<int>(target);
}

bool IsPouchWindowOfListedClass(FrameContent content, const SettingsRecord& settings) {
  return IsPouchWindowOfListedClass(content, settings.Folder, settings.IExplorer);
}

bool IsPouchWindowOfListedClass(FrameContent content, int32_t folder, int32_t iexplorer) {
  if (content == FrameContent::kNotAFrame) return true;
  return content == FrameContent::kFolder ? folder == 1 : iexplorer == 1;
}

bool FrameContentMatters(int32_t folder, int32_t iexplorer) {
  return folder != 1 || iexplorer != 1;
}
