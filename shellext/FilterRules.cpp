#include "shellext/FilterRules.h"

#include "settings/SettingsRecord.h"

void ReloadFilterConfig(const FilterSettingsValues& values, const FilterClassNames& names,
                        TaskbarFilterConfig& config) {
  config.classes.clear();
  if (values.explorer && *values.explorer == 1) config.classes.push_back(names.explorer);
  if (values.iexplorer) config.iexplorerSwitch = *values.iexplorer == 1 ? 1 : 0;
  config.classes.push_back(names.browser);
  if (values.folder) config.folderSwitch = *values.folder == 1 ? 1 : 0;
  config.classes.push_back(names.folder);
  if (values.userClassNames) {
    StringList user;
    StringList captions;
    SplitStringList(*values.userClassNames, user);
    if (values.userCaptions) SplitStringList(*values.userCaptions, captions);
    KeepCommonPairs(user, captions);
    config.classes.insert(config.classes.end(), user.begin(), user.end());
  }
}

bool IsFilteredContent(FrameContent content, const TaskbarFilterConfig& config) {
  return IsPouchWindowOfListedClass(content, config.folderSwitch, config.iexplorerSwitch);
}

bool FilterNeedsFrameContent(const TaskbarFilterConfig& config) {
  return FrameContentMatters(config.folderSwitch, config.iexplorerSwitch);
}

FilterSettingsValues FilterSettingsOf(const SettingsRecord& settings) {
  FilterSettingsValues values;
  values.explorer = settings.Explorer;
  values.iexplorer = settings.IExplorer;
  values.folder = settings.Folder;
  std::string text;
  JoinStringList(settings.UserClassName, text);
  values.userClassNames = text;
  JoinStringList(settings.UserAppCaption, text);
  values.userCaptions = text;
  return values;
}
