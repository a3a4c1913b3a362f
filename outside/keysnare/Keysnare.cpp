// This file builds the library: its header exports what it declares.
#define KEYSNARE_BUILDING
#include "outside/keysnare/Keysnare.h"

#include <atomic>

#include "common/SharedNames.h"
#include "outside/HookThread.h"
#include "outside/KeyChord.h"

namespace {

std::atomic<HWND> g_target{nullptr};
std::atomic<UINT> g_message{0};
outside::KeyChord g_chord;  // the hook thread's alone

void ForgetKeys() { g_chord.Reset(); }

// The Windows key pressed before the current event: the system's state has it
// by now (only the event being hooked is not in it yet).
bool WindowsKeyDown() {
  return ((GetAsyncKeyState(VK_LWIN) | GetAsyncKeyState(VK_RWIN)) & 0x8000) != 0;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HC_ACTION) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (const auto chord = g_chord.Feed(key.vkCode, (key.flags & LLKHF_UP) == 0)) {
      if (WindowsKeyDown()) {
        PostMessageA(g_target.load(), g_message.load(), 0,
                     MAKELPARAM(static_cast<WORD>(chord->modifiers), static_cast<WORD>(chord->vk)));
      } else {
        // The release never reached the hook (Win+L, a secure desktop, a
        // hook the system timed out): the key is up.
        g_chord.Feed(VK_LWIN, false);
        g_chord.Feed(VK_RWIN, false);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

outside::HookThread g_hook(WH_KEYBOARD_LL, &KeyboardProc, &ForgetKeys);

}  // namespace

extern "C" void WINAPI KeysnareStartHook(HWND target) {
  g_message.store(RegisterWindowMessageA(SYSTEM_HOTKEY_MESSAGE_NAME));
  g_target.store(target);
  g_hook.Start();
}

extern "C" void WINAPI KeysnareStopHook(void) { g_hook.Stop(); }
