// TaskbarListRecorder.dll: registered in a test's own prefix as the system's
// taskbar list class, whose methods under Wine do nothing. Every call is
// recorded, with its window, in the block the test made; each call
// succeeds, as the real object's do on a taskbar that honours them.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <objbase.h>
#include <shobjidl.h>

#include "tests/support/taskbarlist/RecorderProtocol.h"

namespace {

using taskbarlist::Block;
using taskbarlist::Method;

volatile LONG g_objects = 0;

// Mapped on the first call and kept: the calls are timed by the benchmark,
// which should see ours, not the stand-in's.
Block* g_block = nullptr;

Block* TheBlock() {
  if (g_block) return g_block;
  const HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, taskbarlist::kBlockName);
  if (!mapping) return nullptr;
  g_block = static_cast<Block*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Block)));
  CloseHandle(mapping);  // the view keeps the block
  return g_block;
}

void Record(Method method, HWND window) {
  Block* block = TheBlock();
  if (!block) return;
  const LONG index = block->count;
  if (index < 0 || static_cast<std::uint32_t>(index) >= taskbarlist::kCapacity) return;
  block->calls[index] = {method, GetCurrentProcessId(),
                         static_cast<std::uint64_t>(reinterpret_cast<UINT_PTR>(window))};
  MemoryBarrier();
  InterlockedExchange(&block->count, index + 1);
}

class Recorder : public ITaskbarList {
 public:
  Recorder() { InterlockedIncrement(&g_objects); }
  virtual ~Recorder() { InterlockedDecrement(&g_objects); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITaskbarList)) {
      *object = static_cast<ITaskbarList*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE HrInit() override { return Done(taskbarlist::kHrInit, nullptr); }
  HRESULT STDMETHODCALLTYPE AddTab(HWND window) override { return Done(taskbarlist::kAddTab, window); }
  HRESULT STDMETHODCALLTYPE DeleteTab(HWND window) override {
    return Done(taskbarlist::kDeleteTab, window);
  }
  HRESULT STDMETHODCALLTYPE ActivateTab(HWND window) override {
    return Done(taskbarlist::kActivateTab, window);
  }
  HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND window) override {
    return Done(taskbarlist::kSetActiveAlt, window);
  }

 private:
  static HRESULT Done(Method method, HWND window) {
    Record(method, window);
    return S_OK;
  }
  volatile LONG refs_ = 1;
};

class Factory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Recorder* recorder = new Recorder;
    const HRESULT result = recorder->QueryInterface(iid, object);
    recorder->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH && g_block) UnmapViewOfFile(g_block);
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_TaskbarList)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }
