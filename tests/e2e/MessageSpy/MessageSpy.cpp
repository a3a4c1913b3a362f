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
  g_block =
      static_cast<spy::Block*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(spy::Block)));
  CloseHandle(mapping);
  return g_block;
}

bool Watched(const spy::Block& block, UINT message) {
  const uint32_t count =
      block.watchedCount < spy::kMaxWatched ? block.watchedCount : spy::kMaxWatched;
  for (uint32_t i = 0; i < count; ++i)
    if (block.watched[i] == message) return true;
  return false;
}

void ReadMenu(spy::Block& block, HMENU menu, LPARAM request) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  uint32_t used = 0;
  for (int i = 0; i < count && used < spy::kMaxMenuItems; ++i, ++used) {
    spy::MenuItem& item = block.menu[used];
    // Not GetMenuState: for an item that opens a submenu it puts the
    // submenu's item count in the high byte, over MF_OWNERDRAW.
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    item.state = info.fType | info.fState | (info.hSubMenu ? MF_POPUP : 0);
    item.id = GetMenuItemID(menu, i);
    item.text[0] = '\0';
    GetMenuStringA(menu, static_cast<UINT>(i), item.text, sizeof item.text, MF_BYPOSITION);
    if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item.rect)) item.rect = RECT{};
  }
  block.menuCount = used;
  InterlockedExchange64(&block.menuRequest, request);
}

void Append(spy::Block& block, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
            bool returned) {
  if (!Watched(block, message)) return;
  const LONG slot = block.count;
  if (slot < 0 || static_cast<uint32_t>(slot) >= spy::kCapacity) return;
  spy::Record& record = block.records[slot];
  record.hwnd = reinterpret_cast<uintptr_t>(hwnd);
  record.message = message;
  record.returned = returned ? 1 : 0;
  record.wParam = wParam;
  record.lParam = lParam;
  InterlockedIncrement(&block.count);
}

void Note(const MSG& msg) {
  spy::Block* block = OpenBlock();
  if (!block) return;
  if (msg.message == WM_NULL && msg.wParam == spy::kReadSystemMenu)
    ReadMenu(*block, GetSystemMenu(msg.hwnd, FALSE), msg.lParam);
  if (msg.message == WM_NULL && msg.wParam == spy::kReadShownMenu)
    ReadMenu(*block, reinterpret_cast<HMENU>(SendMessageA(msg.hwnd, MN_GETHMENU, 0, 0)),
             msg.lParam);
  Append(*block, msg.hwnd, msg.message, msg.wParam, msg.lParam, false);
}

}  // namespace

MESSAGESPY_API LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam) {
  // PM_NOREMOVE peeks would show the same message twice.
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0)
    Note(*reinterpret_cast<const MSG*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

MESSAGESPY_API LRESULT CALLBACK MessageSpyReturnHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0) {
    const auto& sent = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (spy::Block* block = OpenBlock())
      Append(*block, sent.hwnd, sent.message, sent.wParam, sent.lResult, true);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
