#include "menu/Shortcut.h"

#include <shlobj.h>

#include "framework/Handles.h"

HRESULT ResolveShortcut(const std::string& path, ShortcutInfo& info) {
  ComPtr<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IShellLinkA, link.Receive());
  if (FAILED(result)) return result;
  ComPtr<IPersistFile> file;
  result = link->QueryInterface(IID_IPersistFile, file.Receive());
  if (FAILED(result)) return result;

  WCHAR widePath[MAX_PATH];
  if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH))
    return HRESULT_FROM_WIN32(GetLastError());
  result = file->Load(widePath, STGM_READ);
  if (FAILED(result)) return result;
  // No window and no search dialog; the time-out (1 ms) rides in the high
  // word of the flags.
  const HRESULT resolved = link->Resolve(nullptr, MAKELONG(SLR_NO_UI, 1));
  if (FAILED(resolved)) return resolved;

  ShortcutInfo read;
  char text[MAX_PATH] = "";
  // Without a find record to fill, Wine's link object skips a look at the
  // target that costs a millisecond.
  if (FAILED(result = link->GetPath(text, MAX_PATH, nullptr, SLGP_SHORTPATH))) return result;
  read.targetPath = text;
  // Wine's link object ignores SLGP_SHORTPATH; a target that exists still
  // reads in its short form.
  char shortPath[MAX_PATH];
  const DWORD shortLength = GetShortPathNameA(text, shortPath, MAX_PATH);
  if (shortLength > 0 && shortLength < MAX_PATH) read.targetPath = shortPath;
  text[0] = '\0';
  if (FAILED(result = link->GetDescription(text, MAX_PATH))) return result;
  read.description = text;
  if (FAILED(result = link->GetHotkey(&read.hotKey))) return result;
  text[0] = '\0';
  if (FAILED(result = link->GetIconLocation(text, MAX_PATH, &read.iconIndex))) return result;
  read.iconPath = text;
  info = std::move(read);
  return resolved;
}
