#include "tests/support/shell/StandInShellClient.h"

namespace standin {

namespace {

// Timings and 10,000 messages take a while under Wine.
constexpr UINT kLongTimeoutMs = 120000;

}  // namespace

StandInShell::StandInShell(const std::string& arguments)
    : process_("StandInShell.exe", protocol::kControlClass, protocol::kQuit, arguments) {}

std::optional<LRESULT> StandInShell::Ask(protocol::Request request, const void* data, DWORD size,
                                         UINT timeoutMs) const {
  LRESULT answer = 0;
  if (!process_.Request(request, data, size, &answer, timeoutMs)) return std::nullopt;
  return answer;
}

HWND StandInShell::TabControl() const {
  return reinterpret_cast<HWND>(Ask(protocol::kTabControl).value_or(0));
}

std::optional<HRESULT> StandInShell::ServeLoadRequest(const CLSID& clsid) const {
  const auto answer = AskWith(protocol::kServeLoadRequest, clsid);
  if (!answer) return std::nullopt;
  return static_cast<HRESULT>(*answer);
}

bool StandInShell::Sync() const { return Ask(protocol::kSync).value_or(0) == 1; }

bool StandInShell::HasItem(HWND window) const {
  return AskWith(protocol::kHasItem, protocol::WindowToWire(window)).value_or(0) == 1;
}

std::vector<HWND> StandInShell::Items() const {
  std::vector<HWND> items;
  const LRESULT count = Ask(protocol::kItemCount).value_or(0);
  for (std::int32_t i = 0; i < count; ++i)
    items.push_back(reinterpret_cast<HWND>(AskWith(protocol::kItemWindow, i).value_or(0)));
  return items;
}

std::optional<LRESULT> StandInShell::InsertItem(std::int64_t itemParam,
                                                protocol::ItemShape shape) const {
  const protocol::InsertRecord record{itemParam, static_cast<std::int32_t>(shape)};
  return AskWith(protocol::kInsertItem, record);
}

int StandInShell::StowpouchMessagesSeen(WPARAM wParam) const {
  return static_cast<int>(
      AskWith(protocol::kMessagesSeen, static_cast<std::int32_t>(wParam)).value_or(-1));
}

int StandInShell::InsertionsSeen() const {
  return static_cast<int>(Ask(protocol::kInsertionsSeen).value_or(-1));
}

bool StandInShell::SubclassOnTop() const { return Ask(protocol::kSubclassOnTop).value_or(0) == 1; }

bool StandInShell::RemoveTopSubclass() const {
  return Ask(protocol::kRemoveTopSubclass).value_or(0) == 1;
}

bool StandInShell::ModuleLoaded(const std::string& name) const {
  return Ask(protocol::kModuleLoaded, name.data(), static_cast<DWORD>(name.size())).value_or(0) ==
         1;
}

bool StandInShell::FilterInFront() const {
  return Ask(protocol::kFilterInFront).value_or(0) == 1;
}

bool StandInShell::Hang(DWORD ms) const {
  return AskWith(protocol::kHang, static_cast<std::uint32_t>(ms)).value_or(0) == 1;
}

std::optional<std::int64_t> StandInShell::HeapInUse() const {
  const auto answer = Ask(protocol::kHeapInUse);
  if (!answer) return std::nullopt;
  return static_cast<std::int64_t>(*answer);
}

std::optional<std::int64_t> StandInShell::NextHandle() const {
  const auto answer = Ask(protocol::kNextHandle);
  if (!answer || *answer == 0) return std::nullopt;
  return static_cast<std::int64_t>(*answer);
}

std::optional<std::int64_t> StandInShell::TimeMessages(std::uint32_t count) const {
  const auto answer = AskWith(protocol::kTimeMessages, count, kLongTimeoutMs);
  if (!answer || *answer < 0) return std::nullopt;
  return static_cast<std::int64_t>(*answer);
}

std::optional<std::int64_t> StandInShell::TimeInsertion(HWND window,
                                                        std::uint32_t repetitions) const {
  const protocol::TimingRecord record{protocol::WindowToWire(window), repetitions};
  const auto answer = AskWith(protocol::kTimeInsertion, record, kLongTimeoutMs);
  if (!answer || *answer < 0) return std::nullopt;
  return static_cast<std::int64_t>(*answer);
}

std::optional<std::int64_t> StandInShell::InsertDuringLoadRequests(
    HWND window, std::uint32_t insertions) const {
  const protocol::StressRecord record{protocol::WindowToWire(window), insertions};
  const auto answer = AskWith(protocol::kInsertDuringLoadRequests, record, kLongTimeoutMs);
  if (!answer || *answer < 0) return std::nullopt;
  return static_cast<std::int64_t>(*answer);
}

int StandInShell::LoadRequestsServed() const {
  return static_cast<int>(Ask(protocol::kLoadRequestsServed).value_or(-1));
}

}  // namespace standin
