#pragma once
// The tests' side of TaskbarListRecorder.dll: registers it as the system's
// taskbar list class in the machine's classes of the bench's own prefix
// (Wine 8 reads class registrations there, not from the user's classes),
// and reads back the calls it recorded, from any process.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "tests/support/taskbarlist/RecorderProtocol.h"

namespace taskbarlist {

class TaskbarListRecorder {
 public:
  // Registers the stand-in for as long as this lives; the class's earlier
  // registration comes back afterwards.
  TaskbarListRecorder();
  ~TaskbarListRecorder();
  TaskbarListRecorder(const TaskbarListRecorder&) = delete;
  TaskbarListRecorder& operator=(const TaskbarListRecorder&) = delete;

  bool Registered() const { return registered_ && block_ != nullptr; }

  std::vector<Call> Calls() const;
  // How many calls of `method` named `window` (any window when null).
  int Count(Method method, HWND window = nullptr) const;
  // Forgets the calls recorded so far.
  void Clear();

 private:
  UniqueKernelHandle mapping_;
  Block* block_ = nullptr;
  bool registered_ = false;
  std::optional<std::string> oldServer_;
  std::optional<std::string> oldThreading_;
};

}  // namespace taskbarlist
