#pragma once
// Graftling's operator new and delete: blocks of the process heap, as the
// shell's own allocations are. Inside the shell an allocation must never
// raise, and the standard containers Graftling builds its class list with
// cannot be told of a failure; so the one step that allocates, the reload,
// first sets memory aside for itself, and an allocation the process heap
// refuses is served from that reserve instead.
#include <windows.h>

#include <cstddef>

// Memory set aside for one operation of the thread that makes it, as a heap
// of its own that is committed at once. Only one reserve is active at a
// time, and every block drawn from it must be freed before it goes.
class AllocationReserve {
 public:
  explicit AllocationReserve(std::size_t bytes);
  ~AllocationReserve();
  AllocationReserve(const AllocationReserve&) = delete;
  AllocationReserve& operator=(const AllocationReserve&) = delete;

  // Whether the memory could be set aside at all.
  bool Held() const { return heap_ != nullptr; }
  // Whether an allocation had to be served from it: the process is short of
  // memory, and what was built with it should be let go.
  bool Drawn() const;

 private:
  HANDLE heap_ = nullptr;
};
