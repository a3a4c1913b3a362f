// Graftling.dll loaded into the test itself: what the shell's loader sees of
// it, and the load toggle that its class-object call drives.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "ShellTest.h"
#include "common/SharedNames.h"
#include "framework/Handles.h"
#include "shellext/GraftlingIds.h"
#include "shellext/TaskbarTabControl.h"

namespace shellext_test {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int entry) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[entry];
}

// Every export, named or not: a name for each, "#ordinal" for the others.
std::vector<std::string> Exports(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
  if (directory.VirtualAddress == 0) return {};
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> found;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    found.push_back(reinterpret_cast<const char*>(base + names[i]));
  for (DWORD i = exports->NumberOfNames; i < exports->NumberOfFunctions; ++i)
    found.push_back("#unnamed");
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<std::string> ImportedLibraries(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  std::vector<std::string> found;
  if (directory.VirtualAddress == 0) return found;
  for (const auto* entry =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry)
    found.push_back(Upper(reinterpret_cast<const char*>(base + entry->Name)));
  std::sort(found.begin(), found.end());
  return found;
}

TEST(GraftlingModule, ExportsTheFourServerFunctionsAndNeedsOnlyTheLoadersLibraries) {
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  EXPECT_EQ(Exports(library.Module()),
            (std::vector<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                      "DllUnregisterServer"}));
  // Not even the C runtime: the library lives in the shell's process.
  for (const std::string& name : ImportedLibraries(library.Module()))
    EXPECT_TRUE(name == "KERNEL32.DLL" || name == "USER32.DLL" || name == "ADVAPI32.DLL")
        << "imports " << name;
}

TEST(GraftlingModule, ClassObjectCallHandsOutNothingWhateverItIsAskedFor) {
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  const auto getClassObject = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(library.Module(), "DllGetClassObject")));
  const GUID unknownClass = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  const std::pair<const GUID*, const GUID*> asked[] = {
      {&CLSID_Graftling, &IID_IClassFactory},
      {&CLSID_Graftling, &IID_IUnknown},
      {&unknownClass, &IID_IClassFactory},
      {&GUID_NULL, &GUID_NULL},
  };
  for (const auto& [clsid, iid] : asked) {
    void* object = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(getClassObject(*clsid, *iid, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
  }
  // Four requests: on, off, on, off.
  EXPECT_EQ(library.CanUnloadNow(), S_OK);
  EXPECT_EQ(getClassObject(CLSID_Graftling, IID_IClassFactory, nullptr),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
}

TEST(GraftlingModule, TwoRequestsLeaveTheFilterOffAndThreeLeaveItOn) {
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  ASSERT_EQ(library.CanUnloadNow(), S_OK);
  const HRESULT expected[] = {S_FALSE, S_OK, S_FALSE, S_OK};
  for (const HRESULT canUnload : expected) {
    EXPECT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(library.CanUnloadNow(), canUnload);
  }
}

// ---- a call inside the filter -----------------------------------------------------

// The test's procedure sits behind the filter in the tab control's chain; a
// message that the filter passes on to it switches the filter off from
// inside and asks whether the library may go.
constexpr UINT kSwitchOffFromInside = WM_APP + 7;
const GraftlingLibrary* g_library = nullptr;
WNDPROC g_tabProcedure = nullptr;
HRESULT g_answerFromInside = E_FAIL;

LRESULT CALLBACK BehindFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSwitchOffFromInside)
    return CallWindowProcW(g_tabProcedure, window, message, wParam, lParam);
  g_library->RequestClassObject();
  g_answerFromInside = g_library->CanUnloadNow();
  // 1 when the filter really left the chain.
  return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&BehindFilterProc);
}

// The taskbar's chain in the test's own process, topmost so that it is found
// before the desktop's.
HWND MakeTaskbarWindow(const char* className, HWND parent) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);  // a repeated test finds it registered
  return CreateWindowExA(parent ? 0 : WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, "",
                         parent ? WS_CHILD : WS_POPUP, 0, 0, 0, 0, parent, nullptr,
                         windowClass.hInstance, nullptr);
}

// The old taskbar's tab control, under its task switch window in `tray`;
// null when the tab class cannot be had.
HWND MakeTaskbarTabControl(HWND tray) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  if (!InitCommonControlsEx(&controls)) return nullptr;
  return CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD, 0, 0, 0, 0,
                         MakeTaskbarWindow(kTaskSwitchClass, tray), nullptr, nullptr, nullptr);
}

TEST(GraftlingModule, TheLibraryStaysWhileACallIsInsideTheFilter) {
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  const UniqueWindow tray(MakeTaskbarWindow(kTrayWindowClass, nullptr));
  const HWND tab = MakeTaskbarTabControl(tray.Get());
  ASSERT_NE(tab, nullptr);
  ASSERT_EQ(FindTaskbarTabControl(), tab);
  g_library = &library;
  g_tabProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BehindFilterProc)));

  ASSERT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_NE(GetWindowLongPtrW(tab, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&BehindFilterProc));
  EXPECT_EQ(SendMessageW(tab, kSwitchOffFromInside, 0, 0), 1);
  EXPECT_EQ(g_answerFromInside, S_FALSE);
  EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

// ---- memory the shell cannot spare ------------------------------------------------

// Graftling's imports of HeapAlloc and HeapCreate replaced for as long as
// this lives: the process heap refuses every block, and with `noReserve`
// no heap of Graftling's own can be made either.
HANDLE(WINAPI* g_heapCreate)(DWORD, SIZE_T, SIZE_T) = nullptr;
LPVOID(WINAPI* g_heapAlloc)(HANDLE, DWORD, SIZE_T) = nullptr;

LPVOID WINAPI RefusingHeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes) {
  return heap == GetProcessHeap() ? nullptr : g_heapAlloc(heap, flags, bytes);
}
HANDLE WINAPI RefusingHeapCreate(DWORD, SIZE_T, SIZE_T) { return nullptr; }

void** ImportSlot(HMODULE module, const char* function) {
  const auto* base = reinterpret_cast<BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<void**>(const_cast<BYTE*>(base) + entry->FirstThunk);
    for (int i = 0; names[i].u1.AddressOfData != 0; ++i) {
      if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
      const auto* name =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
      if (std::string(reinterpret_cast<const char*>(name->Name)) == function) return &slots[i];
    }
  }
  return nullptr;
}

class ScarceMemory {
 public:
  ScarceMemory(HMODULE module, bool noReserve)
      : alloc_(ImportSlot(module, "HeapAlloc")),
        create_(noReserve ? ImportSlot(module, "HeapCreate") : nullptr),
        scarce_(alloc_ && (create_ || !noReserve)) {
    if (!scarce_) return;
    g_heapAlloc = reinterpret_cast<decltype(g_heapAlloc)>(*alloc_);
    Write(alloc_, reinterpret_cast<void*>(&RefusingHeapAlloc));
    if (!create_) return;
    g_heapCreate = reinterpret_cast<decltype(g_heapCreate)>(*create_);
    Write(create_, reinterpret_cast<void*>(&RefusingHeapCreate));
  }
  ~ScarceMemory() {
    if (!scarce_) return;
    Write(alloc_, reinterpret_cast<void*>(g_heapAlloc));
    if (create_) Write(create_, reinterpret_cast<void*>(g_heapCreate));
  }
  ScarceMemory(const ScarceMemory&) = delete;
  ScarceMemory& operator=(const ScarceMemory&) = delete;
  bool Scarce() const { return scarce_; }

 private:
  static void Write(void** slot, void* value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
  }
  void** alloc_;
  void** create_;
  bool scarce_;
};

// A reload that cannot have its memory filters nothing, and raises nothing
// inside the shell; the next one, with memory to spare, filters again.
TEST(GraftlingModule, AReloadShortOfMemoryFiltersNothingAndRaisesNothing) {
  const RegistryScratch settings(kSettingsKeyPath);
  settings.SetDword("Folder", 1);
  settings.SetText(kUserClassNameValue, "FarmNotepad\x01");
  settings.SetText(kUserAppCaptionValue, "FarmNotepad\x01");
  const UniqueWindow tray(MakeTaskbarWindow(kTrayWindowClass, nullptr));
  const HWND tab = MakeTaskbarTabControl(tray.Get());
  ASSERT_NE(tab, nullptr);
  ASSERT_EQ(FindTaskbarTabControl(), tab);
  const UniqueWindow folder(MakeTaskbarWindow("CabinetWClass", nullptr));
  const auto inserts = [&] {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    item.lParam = reinterpret_cast<LPARAM>(folder.Get());
    const LRESULT before = SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0);
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0) > before;
  };
  const UINT reload = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);

  for (const bool noReserve : {false, true}) {
    SCOPED_TRACE(noReserve ? "no reserve either" : "the process heap refuses");
    const GraftlingLibrary library;
    ASSERT_TRUE(library.Loaded());
    {
      const ScarceMemory scarce(library.Module(), noReserve);
      ASSERT_TRUE(scarce.Scarce());
      EXPECT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
      EXPECT_TRUE(inserts());
      EXPECT_EQ(SendMessageA(tab, reload, kMsgReloadFilter, 0), kMsgReloadAnswer);
      EXPECT_TRUE(inserts());
    }
    EXPECT_EQ(SendMessageA(tab, reload, kMsgReloadFilter, 0), kMsgReloadAnswer);
    EXPECT_FALSE(inserts());
    EXPECT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
  }
}

}  // namespace
}  // namespace shellext_test
