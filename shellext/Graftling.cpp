// Graftling.dll: an in-process COM server that serves no object. The class
// object request the shell makes on each load request is only the moment to
// switch the taskbar filter on or off. Everything here runs inside the
// shell's process, so no failure may leave it.
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include "shellext/FilterClassList.h"
#include "framework/SlimLocks.h"
#include "shellext/GraftlingModule.h"
#include "shellext/Registration.h"
#include "shellext/TaskbarFilter.h"

namespace {

HINSTANCE g_module = nullptr;
// Load requests may come on several threads of the shell: one switch, or
// one unload question, at a time.
SRWLOCK g_toggleLock = SRWLOCK_INIT;
// Set while the filter is switched on; it drives the load toggle.
bool g_active = false;

// The first load request switches the filter on, the next one off, and so
// on. The class list is complete before the filter goes in, so it is never
// read half built.
void ToggleTaskbarFilter() {
  const ExclusiveLock lock(g_toggleLock);
  if (g_active) {
    SetTaskbarFilter(0);
    g_active = false;
    return;
  }
  g_active = true;
  RegisterReloadMessage();
  ReloadFilterClassList();
  SetTaskbarFilter(1);
}

}  // namespace

HINSTANCE GraftlingModule() { return g_module; }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  // At process exit the heap is left to the system.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) FreeFilterClassList();
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
  if (object != nullptr) *object = nullptr;
  ToggleTaskbarFilter();
  return CLASS_E_CLASSNOTAVAILABLE;
}

// Our procedure may stay in the tab control's chain after the filter is
// switched off (someone subclassed the control after us); unloading the
// library then would leave the taskbar calling into nothing. Nor may it go
// while a call is inside our procedure or on its way in or out: the filter
// may be switched off from within one, or from another thread.
STDAPI DllCanUnloadNow() {
  const ExclusiveLock lock(g_toggleLock);
  return !g_active && ReleaseFilterIfQuiet() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() { return RegisterGraftling() ? S_OK : SELFREG_E_CLASS; }

STDAPI DllUnregisterServer() { return UnregisterGraftling() ? S_OK : SELFREG_E_CLASS; }
