#include "ShellTest.h"

#include "settings/SettingsRecord.h"
#include "shellext/GraftlingIds.h"
#include "shellext/TaskbarTabControl.h"
#include "tests/support/helper/HelperClient.h"

namespace shellext_test {

// ---- the library in this process ---------------------------------------------------

GraftlingLibrary::GraftlingLibrary()
    : module_(LoadLibraryA((helper::OwnFolder() + "Graftling.dll").c_str())) {
  if (!module_) return;
  getClassObject_ = reinterpret_cast<decltype(getClassObject_)>(
      reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
  canUnloadNow_ = reinterpret_cast<decltype(canUnloadNow_)>(
      reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
}

GraftlingLibrary::~GraftlingLibrary() {
  if (!module_) return;
  if (Loaded() && CanUnloadNow() != S_OK) RequestClassObject();
  FreeLibrary(module_);
}

bool GraftlingLibrary::Loaded() const {
  return module_ != nullptr && getClassObject_ != nullptr && canUnloadNow_ != nullptr;
}

HRESULT GraftlingLibrary::RequestClassObject(void** object) const {
  void* ignored = nullptr;
  return getClassObject_(CLSID_Graftling, IID_IClassFactory, object ? object : &ignored);
}

HRESULT GraftlingLibrary::Call(const char* function) const {
  const auto entry = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void*>(GetProcAddress(module_, function)));
  return entry ? entry() : E_NOTIMPL;
}

// ---- a stand-in shell with Graftling registered ------------------------------------

std::unique_ptr<standin::ServerRegistration> ShellTest::registration_;

void ShellTest::SetUpTestSuite() {
  registration_ = std::make_unique<standin::ServerRegistration>();
}

void ShellTest::TearDownTestSuite() { registration_.reset(); }

void ShellTest::SetUp() {
  ASSERT_TRUE(registration_->Registered()) << "regsvr32 could not register Graftling.dll";
  ASSERT_TRUE(shell_.Running());
  ASSERT_TRUE(farm_.Running());
  // The stand-in's taskbar, not the one of Wine's desktop, is the one found.
  ASSERT_NE(shell_.TabControl(), nullptr);
  ASSERT_EQ(FindTaskbarTabControl(), shell_.TabControl());
}

bool ShellTest::Load() const {
  return shell_.ServeLoadRequest(CLSID_Graftling) == CLASS_E_CLASSNOTAVAILABLE;
}

HWND ShellTest::Make(const farm::WindowSpec& spec) {
  const HWND window = farm_.Create(spec);
  EXPECT_NE(window, nullptr) << spec.className << " \"" << spec.title << "\"";
  return window;
}

void ShellTest::HideAndShow(HWND window) const {
  ShowWindow(window, SW_HIDE);
  ShowWindow(window, SW_SHOWNA);
}

void ShellTest::SetSettings(const std::vector<std::pair<const char*, DWORD>>& numbers,
                            const char* userClasses) const {
  settings_.Clear();
  for (const auto& [name, value] : numbers) settings_.SetDword(name, value);
  if (!userClasses) return;
  // Every class has its caption, as Stowpouch stores them.
  settings_.SetText(kUserClassNameValue, userClasses);
  settings_.SetText(kUserAppCaptionValue, userClasses);
}

}  // namespace shellext_test
