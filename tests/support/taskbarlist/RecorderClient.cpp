#include "tests/support/taskbarlist/RecorderClient.h"

#include "tests/support/TestSupport.h"

namespace taskbarlist {

namespace {

std::string ServerKeyPath() {
  return std::string("Software\\Classes\\CLSID\\") + kTaskbarListClsidText + "\\InprocServer32";
}

std::optional<std::string> ReadText(HKEY key, const char* name) {
  char text[MAX_PATH * 2] = {};
  DWORD size = sizeof text - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  return std::string(text);
}

bool WriteText(HKEY key, const char* name, const std::optional<std::string>& text) {
  if (!text) return RegDeleteValueA(key, name) == ERROR_SUCCESS;
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                        static_cast<DWORD>(text->size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

TaskbarListRecorder::TaskbarListRecorder() {
  mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(Block), kBlockName));
  if (mapping_)
    block_ = static_cast<Block*>(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, 0));
  Clear();
  UniqueRegKey key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, ServerKeyPath().c_str(), 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Receive(),
                      nullptr) != ERROR_SUCCESS)
    return;
  oldServer_ = ReadText(key.Get(), nullptr);
  oldThreading_ = ReadText(key.Get(), "ThreadingModel");
  registered_ =
      WriteText(key.Get(), nullptr, test_support::ProgramFolder() + "TaskbarListRecorder.dll") &&
      WriteText(key.Get(), "ThreadingModel", std::string("Apartment"));
}

TaskbarListRecorder::~TaskbarListRecorder() {
  UniqueRegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ServerKeyPath().c_str(), 0, KEY_SET_VALUE,
                    key.Receive()) == ERROR_SUCCESS) {
    WriteText(key.Get(), nullptr, oldServer_);
    WriteText(key.Get(), "ThreadingModel", oldThreading_);
  }
  if (block_) UnmapViewOfFile(block_);
}

std::vector<Call> TaskbarListRecorder::Calls() const {
  if (!block_) return {};
  const LONG count = block_->count;
  MemoryBarrier();
  const auto used = static_cast<std::uint32_t>(count < 0 ? 0 : count);
  return std::vector<Call>(block_->calls, block_->calls + (used < kCapacity ? used : kCapacity));
}

int TaskbarListRecorder::Count(Method method, HWND window) const {
  int count = 0;
  for (const Call& call : Calls())
    if (call.method == method &&
        (window == nullptr || call.window == reinterpret_cast<UINT_PTR>(window)))
      ++count;
  return count;
}

void TaskbarListRecorder::Clear() {
  if (block_) InterlockedExchange(&block_->count, 0);
}

}  // namespace taskbarlist
