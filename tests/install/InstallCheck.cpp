// Checks of an installed Stowpouch for install_test.sh; exit code 0 when
// the check holds, 1 when not (what was found goes to stdout).
//   InstallCheck shortcut LINK TARGET FOLDER [ARGUMENTS]
//                                              the link's target, working folder
//                                              and arguments (none unless given)
//   InstallCheck load DLL                      the stand-in shell's load request
//                                              loads exactly that file
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "framework/Handles.h"
#include "shellext/GraftlingIds.h"
#include "tests/support/shell/StandInShellClient.h"

namespace {

bool ShortcutLeadsTo(const char* link, const char* target, const char* folder,
                     const char* arguments) {
  ComPtr<IShellLinkA> shellLink;
  ComPtr<IPersistFile> file;
  wchar_t wideLink[MAX_PATH];
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              shellLink.Receive())) ||
      FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Receive())) ||
      !MultiByteToWideChar(CP_ACP, 0, link, -1, wideLink, MAX_PATH) ||
      FAILED(file->Load(wideLink, STGM_READ)))
    return false;
  char path[MAX_PATH] = "";
  char workingFolder[MAX_PATH] = "";
  char given[MAX_PATH] = "";
  shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
  shellLink->GetWorkingDirectory(workingFolder, MAX_PATH);
  shellLink->GetArguments(given, MAX_PATH);
  std::printf("target \"%s\", working folder \"%s\", arguments \"%s\"\n", path, workingFolder,
              given);
  // The installer writes the folder with its closing backslash.
  const int length = lstrlenA(workingFolder);
  if (length > 3 && workingFolder[length - 1] == '\\') workingFolder[length - 1] = '\0';
  return lstrcmpiA(path, target) == 0 && lstrcmpiA(workingFolder, folder) == 0 &&
         lstrcmpA(given, arguments) == 0;
}

bool LoadRequestLoads(const char* library) {
  const standin::StandInShell shell;
  if (!shell.Running() || !shell.ServeLoadRequest(CLSID_Graftling)) return false;
  const bool loaded = shell.ModuleLoaded(library);
  const bool filtering = shell.FilterInFront();
  std::printf("%s loaded: %d, filter in front: %d\n", library, loaded, filtering);
  return loaded && filtering;
}

}  // namespace

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  bool holds = false;
  if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "shortcut") == 0)
    holds = ShortcutLeadsTo(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : "");
  else if (argc == 3 && std::strcmp(argv[1], "load") == 0)
    holds = LoadRequestLoads(argv[2]);
  else
    std::fprintf(stderr, "usage: InstallCheck shortcut LINK TARGET FOLDER [ARGUMENTS] | load DLL\n");
  CoUninitialize();
  return holds ? 0 : 1;
}
