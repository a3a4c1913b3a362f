#include "MessageSpy/MessageSpy.h"

namespace {

// One hooked thread per process: the hook is always set on a single thread.
spy::Block* g_block = nullptr;

spy::Block* OpenBlock() {
  if (g_block) return g_block;
  const HANDLE mapping =
      OpenFileMappingA(FILE_MAP_WRITE, FALSE, spy::BlockName(GetCurrentThreadId()).c_str());
  if (!mapping) return nullptr;
  // The view outlives the mapping handle and stays until the process ends:
  // the hook may be called again after the test has let go of the block.
  g_block = static_cast<spy::Block*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(spy::Block)));
  CloseHandle(mapping);
  return g_block;
}

bool Watched(const spy::Block& block, UINT message) {
  const uint32_t count = block.watchedCount < spy::kMaxWatched ? block.watchedCount : spy::kMaxWatched;
  for (uint32_t i = 0; i < count; ++i)
    if (block.watched[i] == message) return true;
  return false;
}

void Note(const MSG& msg) {
  spy::Block* block = OpenBlock();
  if (!block || !Watched(*block, msg.message)) return;
  const LONG slot = block->count;
  if (slot < 0 || static_cast<uint32_t>(slot) >= spy::kCapacity) return;
  spy::Record& record = block->records[slot];
  record.hwnd = reinterpret_cast<uintptr_t>(msg.hwnd);
  record.message = msg.message;
  record.wParam = msg.wParam;
  record.lParam = msg.lParam;
  InterlockedIncrement(&block->count);
}

}  // namespace

MESSAGESPY_API LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam) {
  // PM_NOREMOVE peeks would show the same message twice.
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0)
    Note(*reinterpret_cast<const MSG*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
