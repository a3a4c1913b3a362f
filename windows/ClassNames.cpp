#include "windows/ClassNames.h"

#include "framework/Dialog.h"
#include "resources/resource.h"

namespace {
BuiltInClassNames& Names() {
  static BuiltInClassNames names;
  return names;
}
}  // namespace

const BuiltInClassNames& BuiltInClasses() { return Names(); }

void LoadBuiltInClassNames() {
  BuiltInClassNames& names = Names();
  names.folder = LoadResourceString(IDS_CLASS_FOLDER);
  names.explorer = LoadResourceString(IDS_CLASS_EXPLORER);
  names.browser = LoadResourceString(IDS_CLASS_BROWSER);
  names.netscape = LoadResourceString(IDS_CLASS_NETSCAPE);
}
