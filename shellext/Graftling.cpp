// Graftling.dll: an in-process COM server that serves no object. The class
// object request the shell makes on each load request is only the moment to
// switch the taskbar filter on or off. Everything here runs inside the
// shell's process, so no failure may leave it.
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include "shellext/FilterClassList.h"
#include "shellext/GraftlingModule.h"
#include "shellext/Registration.h"
#include "shellext/TaskbarFilter.h"

namespace {

HINSTANCE g_module = nullptr;
// Set while the filter is switched on; it drives the load toggle.
bool g_active = false;

// The first load request switches the filter on, the next one off, and so
// on. The class list is complete before the filter goes in, so it is never
// read half built.
void ToggleTaskbarFilter() {
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
// while a call is inside our procedure: the filter may be switched off from
// within one, which must still return through our code.
STDAPI DllCanUnloadNow() {
  return g_active || TaskbarFilterInChain() || TaskbarFilterBusy() ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer() { return RegisterGraftling() ? S_OK : SELFREG_E_CLASS; }

STDAPI DllUnregisterServer() { return UnregisterGraftling() ? S_OK : SELFREG_E_CLASS; }
