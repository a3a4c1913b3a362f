#include "menu/Shortcut.h"

#include <shlobj.h>

#include "framework/Handles.h"

namespace {

// The shell's link object with its file interface, and the file's path as
// the file interface takes it.
struct ShellLinkFile {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  WCHAR path[MAX_PATH] = L"";
};

HRESULT OpenShellLinkFile(const std::string& path, ShellLinkFile& opened) {
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IShellLinkA, opened.link.Receive());
  if (FAILED(result)) return result;
  result = opened.link->QueryInterface(IID_IPersistFile, opened.file.Receive());
  if (FAILED(result)) return result;
  if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, opened.path, MAX_PATH))
    return HRESULT_FROM_WIN32(GetLastError());
  return S_OK;
}

}  // namespace

HRESULT ResolveShortcut(const std::string& path, ShortcutInfo& info) {
  ShellLinkFile opened;
  HRESULT result = OpenShellLinkFile(path, opened);
  if (FAILED(result)) return result;
  const ComPtr<IShellLinkA>& link = opened.link;
  result = opened.file->Load(opened.path, STGM_READ);
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

HRESULT CreateShellLink(const std::string& linkPath, const ShellLinkRecord* record) {
  if (!record) return E_FAIL;
  ShellLinkFile opened;
  const HRESULT result = OpenShellLinkFile(linkPath, opened);
  if (FAILED(result)) return result;
  opened.link->SetPath(record->targetPath.c_str());
  opened.link->SetDescription(record->description.c_str());
  opened.link->SetHotkey(record->hotKey);
  opened.link->SetIconLocation(record->iconPath.c_str(), record->iconIndex);
  return opened.file->Save(opened.path, TRUE);
}
