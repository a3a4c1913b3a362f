// LoadRelay.dll: takes a load request to the stand-in shell, as the real
// shell's SHLoadInProc does. Under Wine, SHLoadInProc creates the class in
// the calling program; registered in Graftling's place, this library is
// what the caller creates, and it has the running stand-in serve the
// request instead. There the stand-in creates the class from the registry
// in turn, which loads this library again, inside the shell: that copy hands
// the request to Graftling.dll beside it.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include <cstring>
#include <string>

#include "shellext/GraftlingIds.h"
#include "tests/support/shell/ShellProtocol.h"

namespace {

HMODULE g_self = nullptr;
HMODULE g_graftling = nullptr;

HWND StandInControl() {
  return FindWindowExA(HWND_MESSAGE, nullptr, standin::protocol::kControlClass, nullptr);
}

bool InsideStandIn(HWND control) {
  DWORD processId = 0;
  GetWindowThreadProcessId(control, &processId);
  return processId == GetCurrentProcessId();
}

template <typename Function>
Function GraftlingEntry(const char* name) {
  if (!g_graftling) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(g_self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    char* slash = std::strrchr(path, '\\');
    if (!slash || lstrlenA(path) + 16 >= MAX_PATH) return nullptr;
    lstrcpyA(slash + 1, "Graftling.dll");
    g_graftling = LoadLibraryA(path);
  }
  return g_graftling ? reinterpret_cast<Function>(
                           reinterpret_cast<void*>(GetProcAddress(g_graftling, name)))
                     : nullptr;
}

std::string ClassKeyPath() { return std::string("CLSID\\") + kGraftlingClsidText; }

bool SetText(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
}

HRESULT AskStandIn(HWND control, const CLSID& clsid) {
  COPYDATASTRUCT request{standin::protocol::kServeLoadRequest, sizeof clsid,
                         const_cast<CLSID*>(&clsid)};
  DWORD_PTR answer = 0;
  // Not given up on a busy stand-in: the shell serves a load request it
  // was handed once it gets to it.
  if (!SendMessageTimeoutA(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                           SMTO_NORMAL, 10000, &answer))
    return E_FAIL;
  return static_cast<HRESULT>(answer);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_self = instance;
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
  if (object) *object = nullptr;
  const HWND control = StandInControl();
  if (!control) return CLASS_E_CLASSNOTAVAILABLE;
  if (!InsideStandIn(control)) return AskStandIn(control, clsid);
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
  const auto forward = GraftlingEntry<GetClassObject>("DllGetClassObject");
  return forward ? forward(clsid, iid, object) : CLASS_E_CLASSNOTAVAILABLE;
}

// Goes when Graftling may go, and lets it go first.
STDAPI DllCanUnloadNow() {
  if (!g_graftling) return S_OK;
  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  const auto forward = GraftlingEntry<CanUnloadNow>("DllCanUnloadNow");
  if (forward && forward() != S_OK) return S_FALSE;
  FreeLibrary(g_graftling);
  g_graftling = nullptr;
  return S_OK;
}

// Graftling's class, served by this library.
STDAPI DllRegisterServer() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(g_self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
  HKEY server = nullptr;
  const std::string serverPath = ClassKeyPath() + "\\InprocServer32";
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, serverPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &server, nullptr) != ERROR_SUCCESS)
    return SELFREG_E_CLASS;
  const bool written = SetText(server, nullptr, path) && SetText(server, "ThreadingModel", "Apartment");
  RegCloseKey(server);
  return written ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  RegDeleteKeyA(HKEY_CLASSES_ROOT, (ClassKeyPath() + "\\InprocServer32").c_str());
  return RegDeleteKeyA(HKEY_CLASSES_ROOT, ClassKeyPath().c_str()) == ERROR_SUCCESS ? S_OK
                                                                                 : SELFREG_E_CLASS;
}
