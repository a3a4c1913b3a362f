#include "tests/support/farm/WindowFarmClient.h"

#include "tests/support/farm/FarmProtocol.h"

namespace farm {

WindowSpec Spec(const std::string& className, const std::string& title, ShowState state) {
  WindowSpec spec;
  spec.className = className;
  spec.title = title;
  spec.state = state;
  return spec;
}

WindowFarm::WindowFarm()
    : process_("WindowFarm.exe", protocol::kControlClass, protocol::kQuit) {}

HWND WindowFarm::Create(const WindowSpec& wanted) {
  const std::vector<char> record = protocol::EncodeCreate(wanted);
  LRESULT answer = 0;
  if (!process_.Request(protocol::kCreate, record.data(), static_cast<DWORD>(record.size()),
                        &answer))
    return nullptr;
  return reinterpret_cast<HWND>(answer);
}

bool WindowFarm::Destroy(HWND window) {
  const std::int64_t wire = protocol::WindowToWire(window);
  LRESULT answer = 0;
  return process_.Request(protocol::kDestroy, &wire, sizeof wire, &answer) && answer != 0;
}

WindowFarm::~WindowFarm() { EndHang(); }

bool WindowFarm::Hang() {
  if (!release_)
    release_.Reset(CreateEventA(nullptr, TRUE, FALSE,
                                protocol::HangReleaseEventName(ProcessId()).c_str()));
  LRESULT answer = 0;
  return release_ && ResetEvent(release_.Get()) &&
         process_.Request(protocol::kHang, nullptr, 0, &answer) && answer == 1;
}

void WindowFarm::EndHang() {
  if (release_) SetEvent(release_.Get());
}

bool WindowFarm::Settle() {
  LRESULT answer = 0;
  return process_.Request(protocol::kSettle, nullptr, 0, &answer) && answer == 1;
}

bool WindowFarm::HoldHotKey(UINT modifiers, UINT virtualKey) {
  const protocol::HotKeyRecord wire{modifiers, virtualKey};
  LRESULT answer = 0;
  return process_.Request(protocol::kHoldHotKey, &wire, sizeof wire, &answer) && answer == 1;
}

int WindowFarm::HotKeysReceived() {
  LRESULT answer = -1;
  if (!process_.Request(protocol::kHotKeysReceived, nullptr, 0, &answer)) return -1;
  return static_cast<int>(answer);
}

int WindowFarm::TimesHidden(HWND window) {
  const std::int64_t wire = protocol::WindowToWire(window);
  LRESULT answer = -1;
  if (!process_.Request(protocol::kTimesHidden, &wire, sizeof wire, &answer)) return -1;
  return static_cast<int>(answer);
}

std::vector<HWND> WindowFarm::Own(const std::vector<HWND>& windows) const {
  std::vector<HWND> own;
  if (ProcessId() == 0) return own;
  for (const HWND window : windows) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) != 0 && processId == ProcessId())
      own.push_back(window);
  }
  return own;
}

}  // namespace farm
