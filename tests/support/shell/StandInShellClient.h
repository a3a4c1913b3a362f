#pragma once
// Drives StandInShell.exe (see StandInShell.cpp), a program of ours that
// plays the desktop shell's taskbar and its load requests, so that the tests
// and benchmarks meet Graftling in a shell's process the way it runs there.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/helper/HelperClient.h"
#include "tests/support/shell/ShellProtocol.h"

namespace standin {

class StandInShell {
 public:
  // Starts StandInShell.exe from this program's folder with `arguments` (the
  // options of ShellProtocol.h) and waits until it takes requests.
  explicit StandInShell(const std::string& arguments = "");

  bool Running() const { return process_.Running(); }
  DWORD ProcessId() const { return process_.ProcessId(); }

  HWND TabControl() const;

  // Serves a load request for `clsid` as the shell serves SHLoadInProc;
  // the HRESULT of creating the class object, nullopt when not answered.
  std::optional<HRESULT> ServeLoadRequest(const CLSID& clsid) const;

  // Returns once the stand-in has handled every window report posted before
  // the call: whatever was shown, hidden or destroyed before it has its
  // items settled. False when the stand-in did not answer.
  bool Sync() const;

  // Whether a tab item carries `window`, and all item windows in tab order.
  bool HasItem(HWND window) const;
  std::vector<HWND> Items() const;

  // Sends TCM_INSERTITEMA with an item of that shape and parameter from
  // inside the shell; its result, nullopt when not answered.
  std::optional<LRESULT> InsertItem(std::int64_t itemParam, protocol::ItemShape shape) const;

  // What got past every procedure in front of the tab control's own.
  int StowpouchMessagesSeen(WPARAM wParam) const;
  int InsertionsSeen() const;

  // Another program's procedure in front of the chain, and out again.
  bool SubclassOnTop() const;
  bool RemoveTopSubclass() const;

  bool ModuleLoaded(const std::string& name) const;
  // Whether the tab control's first procedure is Graftling's, so that every
  // message to the control goes through the filter.
  bool FilterInFront() const;

  // Makes the shell take no message for `ms`; returns at once.
  bool Hang(DWORD ms) const;

  // Nanoseconds for `count` messages that the tab control answers at once,
  // and the median of `repetitions` insertions of an item for `window`.
  std::optional<std::int64_t> TimeMessages(std::uint32_t count) const;
  // The bytes of the shell's busy heap blocks, and the value its next handle
  // gets: both grow with what the shell's code leaves behind.
  std::optional<std::int64_t> HeapInUse() const;
  std::optional<std::int64_t> NextHandle() const;
  std::optional<std::int64_t> TimeInsertion(HWND window, std::uint32_t repetitions) const;

  // Inserts `insertions` items for `window` (a window the filter lets
  // through) on the tab control's thread while another thread of the shell
  // serves load requests for Graftling, an odd number of them, and then ends
  // its apartment. The insertions lost on the way (that never reached the
  // tab control), nullopt when the shell did not answer; and how many load
  // requests the other thread served.
  std::optional<std::int64_t> InsertDuringLoadRequests(HWND window,
                                                       std::uint32_t insertions) const;
  int LoadRequestsServed() const;

 private:
  std::optional<LRESULT> Ask(protocol::Request request, const void* data = nullptr,
                             DWORD size = 0, UINT timeoutMs = kTimeoutMs) const;
  template <typename T>
  std::optional<LRESULT> AskWith(protocol::Request request, const T& value,
                                 UINT timeoutMs = kTimeoutMs) const {
    return Ask(request, &value, sizeof value, timeoutMs);
  }

  static constexpr UINT kTimeoutMs = helper::HelperProcess::kRequestTimeoutMs;
  helper::HelperProcess process_;
};

}  // namespace standin
