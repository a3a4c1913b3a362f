#include "shellext/GraftlingHeap.h"

#include <new>

namespace {

// Each block starts with the heap it came from, so that delete can give it
// back; 16 bytes keep the alignment the heap gives.
struct alignas(16) BlockHeader {
  HANDLE heap;
};

// The active reserve and its thread: the reload that made it is the only
// code of Graftling that allocates while it lives.
HANDLE g_reserve = nullptr;
DWORD g_reserveThread = 0;
volatile LONG g_reserveDrawn = 0;

void* Allocate(std::size_t size) {
  if (size > static_cast<std::size_t>(-1) - sizeof(BlockHeader)) return nullptr;
  const std::size_t total = sizeof(BlockHeader) + (size != 0 ? size : 1);
  HANDLE heap = GetProcessHeap();
  void* block = HeapAlloc(heap, 0, total);
  if (block == nullptr && g_reserve != nullptr && g_reserveThread == GetCurrentThreadId()) {
    heap = g_reserve;
    block = HeapAlloc(heap, 0, total);
    if (block != nullptr) InterlockedExchange(&g_reserveDrawn, 1);
  }
  if (block == nullptr) return nullptr;
  static_cast<BlockHeader*>(block)->heap = heap;
  return static_cast<BlockHeader*>(block) + 1;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  BlockHeader* block = static_cast<BlockHeader*>(pointer) - 1;
  HeapFree(block->heap, 0, block);
}

// The reserve is sized for what it serves; a request past it means a fault
// of ours, and the shell's own failure handling is all that is left.
[[noreturn]] void OutOfMemory() {
  RaiseException(static_cast<DWORD>(STATUS_NO_MEMORY), EXCEPTION_NONCONTINUABLE, 0, nullptr);
  for (;;) {
  }
}

}  // namespace

AllocationReserve::AllocationReserve(std::size_t bytes) {
  if (g_reserve != nullptr) return;  // one at a time
  heap_ = HeapCreate(0, bytes, 0);
  if (heap_ == nullptr) return;
  g_reserveThread = GetCurrentThreadId();
  InterlockedExchange(&g_reserveDrawn, 0);
  g_reserve = heap_;
}

AllocationReserve::~AllocationReserve() {
  if (heap_ == nullptr) return;
  g_reserve = nullptr;
  g_reserveThread = 0;
  HeapDestroy(heap_);
}

bool AllocationReserve::Drawn() const {
  return heap_ != nullptr && InterlockedCompareExchange(&g_reserveDrawn, 0, 0) != 0;
}

void* operator new(std::size_t size) {
  void* block = Allocate(size);
  if (block == nullptr) OutOfMemory();
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }
