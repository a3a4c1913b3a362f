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
// MAKELONG(modifiers, vk) of the combination taken from everyone else, or 0.
std::atomic<DWORD> g_take{0};
outside::KeyChord g_chord;  // the hook thread's alone

// The masking key: a code no keyboard has and no program acts on, sent
// between a taken chord's Windows key press and release, so that the shell
// does not take the lone release for a tap that opens its Start menu. The
// hook knows its own by the extra information.
constexpr WORD kMaskKey = 0xE8;
constexpr ULONG_PTR kMaskSignature = 0x4B534E52;  // "KSNR"

void ForgetKeys() { g_chord.Reset(); }

// The Windows key pressed before the current event: the system's state has it
// by now (only the event being hooked is not in it yet).
bool WindowsKeyDown() {
  return ((GetAsyncKeyState(VK_LWIN) | GetAsyncKeyState(VK_RWIN)) & 0x8000) != 0;
}

outside::Chord TakenChord() {
  const DWORD take = g_take.load();
  return {LOWORD(take), HIWORD(take)};
}

bool IsMaskKey(const KBDLLHOOKSTRUCT& key) {
  return key.vkCode == kMaskKey && key.dwExtraInfo == kMaskSignature;
}

void SendMaskKey() {
  INPUT input[2] = {};
  for (INPUT& event : input) {
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = kMaskKey;
    event.ki.dwExtraInfo = kMaskSignature;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

void Report(WPARAM code, const outside::Chord& chord) {
  PostMessageA(g_target.load(), g_message.load(), code,
               MAKELPARAM(static_cast<WORD>(chord.modifiers), static_cast<WORD>(chord.vk)));
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HC_ACTION) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (!IsMaskKey(key)) {
      const outside::Chord take = TakenChord();
      const outside::KeyStep step =
          g_chord.Step(key.vkCode, (key.flags & LLKHF_UP) == 0, take, &WindowsKeyDown);
      if (step.report) Report(kSystemHotKeyTyped, *step.report);
      if (step.taken) {
        SendMaskKey();
        Report(kSystemHotKeyTaken, take);
      }
      if (step.swallow) return 1;
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

extern "C" void WINAPI KeysnareTakeChord(UINT modifiers, UINT vk) {
  const bool takes = vk != 0 && vk <= 0xFF && modifiers <= 0xFFFF && outside::CanTake(modifiers);
  g_take.store(takes ? MAKELONG(modifiers, vk) : 0);
}
