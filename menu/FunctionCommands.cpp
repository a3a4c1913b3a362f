#include "menu/FunctionCommands.h"

#include <shlobj.h>

#include "windows/ExplorerLayout.h"
#include "windows/ShellFolders.h"
#include "windows/WindowCommands.h"
#include "windows/WindowToggles.h"

void ExecuteFunctionCommand(int index) {
  WindowToggles& toggles = TheWindowToggles();
  switch (index) {
    case 0: OpenSpecialFolder(CSIDL_DRIVES); break;
    case 1: OpenSpecialFolder(CSIDL_CONTROLS); break;
    case 2: OpenSpecialFolder(CSIDL_NETWORK); break;
    case 3: OpenSpecialFolder(CSIDL_BITBUCKET); break;
    case 4: OpenSpecialFolder(CSIDL_FAVORITES); break;
    case 5: OpenSpecialFolder(CSIDL_FONTS); break;
    case 6: OpenSpecialFolder(CSIDL_HISTORY); break;
    case 7: OpenWebBrowser(); break;
    case 9: toggles.ToggleMinimizePouch(); break;
    case 10: ClosePouchWindows(kAllKinds); break;
    case 12: MinimizeOthersAndTileFolders(); break;
    case 13: RunExplorerLayout(0); break;
    case 14: RunExplorerLayout(1); break;
    case 15: RunExplorerLayout(2); break;
    case 17: toggles.ToggleHideOthers(); break;
    case 19: toggles.ToggleMinimizeOthersRestorePouch(); break;
    default: break;  // the separator rows 8, 11, 16, 18 and anything outside the table
  }
}
