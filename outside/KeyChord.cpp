#include "outside/KeyChord.h"

namespace outside {
namespace {

// Virtual-key codes of the modifiers, spelled out to keep this file free of
// windows.h. Injected input may use the generic codes, hardware the sided
// ones; the Windows key has no generic code.
struct Modifier {
  unsigned generic;
  unsigned left;
  unsigned right;
  unsigned flag;
};

constexpr Modifier kModifiers[] = {
    {0x10, 0xA0, 0xA1, kModShift},    // VK_SHIFT, VK_LSHIFT, VK_RSHIFT
    {0x11, 0xA2, 0xA3, kModControl},  // VK_CONTROL, VK_LCONTROL, VK_RCONTROL
    {0x12, 0xA4, 0xA5, kModAlt},      // VK_MENU, VK_LMENU, VK_RMENU
    {0x00, 0x5B, 0x5C, kModWin},      // -, VK_LWIN, VK_RWIN
};

const Modifier* FindModifier(unsigned vk) {
  for (const Modifier& m : kModifiers) {
    if (vk == m.left || vk == m.right || (m.generic != 0 && vk == m.generic)) return &m;
  }
  return nullptr;
}

}  // namespace

std::optional<Chord> KeyChord::Feed(unsigned vk, bool down) {
  if (vk == 0 || vk >= down_.size()) return std::nullopt;
  const Modifier* modifier = FindModifier(vk);
  if (!down) {
    down_.reset(vk);
    if (modifier != nullptr && modifier->generic != 0) {
      // A generic release stands for either side; a sided release cannot tell
      // which side an earlier generic press stood for. Either way, let go.
      down_.reset(modifier->generic);
      if (vk == modifier->generic) {
        down_.reset(modifier->left);
        down_.reset(modifier->right);
      }
    }
    return std::nullopt;
  }

  const bool repeat = Held(vk);
  down_.set(vk);
  if (modifier != nullptr || repeat) return std::nullopt;

  unsigned modifiers = 0;
  for (const Modifier& m : kModifiers) {
    if (Held(m.left) || Held(m.right) || (m.generic != 0 && Held(m.generic))) modifiers |= m.flag;
  }
  if ((modifiers & kModWin) == 0) return std::nullopt;
  return Chord{modifiers, vk};
}

KeyStep KeyChord::Step(unsigned vk, bool down, Chord take, bool (*windowsKeyDown)()) {
  KeyStep step;
  if (swallowed_ != 0 && vk == swallowed_) {
    // A press that was kept from everyone keeps its release from them too.
    step.swallow = true;
    if (!down) swallowed_ = 0;
    Feed(vk, down);
    return step;
  }
  step.report = Feed(vk, down);
  if (!step.report) return step;
  if (!windowsKeyDown()) {
    Feed(0x5B, false);  // VK_LWIN
    Feed(0x5C, false);  // VK_RWIN
    step.report.reset();
    return step;
  }
  if (take.vk != 0 && step.report->vk == take.vk && step.report->modifiers == take.modifiers) {
    step.report.reset();
    step.taken = step.swallow = true;
    swallowed_ = vk;
  }
  return step;
}

}  // namespace outside
