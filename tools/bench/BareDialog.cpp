// BareDialog.exe: the least a dialog program can be, as IdleBench's floor for
// Stowpouch's idle cost: a hidden dialog from a template in memory with a
// dialog loop of its own, as Stowpouch's framework runs (the system's modal
// loop would show the dialog), that ends on WM_CLOSE.
//   BareDialog.exe [/hooks]
// "/hooks" adds low-level keyboard and mouse hooks that do nothing, on
// threads of their own as Stowpouch's are: the floor for their cost.
#include <windows.h>

#include <cstddef>
#include <cstring>

#include "outside/HookThread.h"
#include "tools/bench/BareDialog.h"

namespace {

// A DLGTEMPLATE followed by its empty menu and class arrays and the title.
struct alignas(4) Template {
  DLGTEMPLATE dialog;
  WORD menu;
  WORD windowClass;
  wchar_t title[sizeof kBareDialogCaption];
};

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND || LOWORD(wParam) != IDCANCEL) return FALSE;
  DestroyWindow(dialog);
  PostQuitMessage(0);
  return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  outside::HookThread keyboard(WH_KEYBOARD_LL, PassOn, nullptr);
  outside::HookThread mouse(WH_MOUSE_LL, PassOn, nullptr);
  if (std::strstr(commandLine, "/hooks") && !(keyboard.Start() && mouse.Start())) return 1;
  Template bare{};
  bare.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  bare.dialog.cx = 120;
  bare.dialog.cy = 60;
  for (std::size_t i = 0; i < sizeof kBareDialogCaption; ++i) bare.title[i] = kBareDialogCaption[i];
  const HWND dialog = CreateDialogIndirectParamA(instance, &bare.dialog, nullptr, DialogProc, 0);
  if (!dialog) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  keyboard.Stop();
  mouse.Stop();
  return 0;
}
