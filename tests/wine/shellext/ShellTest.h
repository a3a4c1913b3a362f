#pragma once
// Shared set-up of Graftling's tests: the library loaded into the test
// itself, and a stand-in shell with a window farm beside it, Graftling
// registered and the settings key of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsRecord.h"
#include "tests/wine/settings/RegistryScratch.h"
#include "tests/wine/windows/FarmWindows.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"

namespace shellext_test {

using windows_test::Spec;
using windows_test::WaitUntil;
using windows_test::WithDocumentView;

// Graftling.dll of the test's folder loaded into the test's own process,
// with its four functions. The destructor switches a filter left on off, so
// that the library really leaves the process.
class GraftlingLibrary {
 public:
  GraftlingLibrary();
  ~GraftlingLibrary();
  GraftlingLibrary(const GraftlingLibrary&) = delete;
  GraftlingLibrary& operator=(const GraftlingLibrary&) = delete;

  bool Loaded() const;
  HMODULE Module() const { return module_; }

  // One load request's class-object call, with ids that do not matter.
  HRESULT RequestClassObject(void** object = nullptr) const;
  HRESULT CanUnloadNow() const { return canUnloadNow_(); }
  HRESULT RegisterServer() const { return Call("DllRegisterServer"); }
  HRESULT UnregisterServer() const { return Call("DllUnregisterServer"); }

 private:
  HRESULT Call(const char* function) const;

  HMODULE module_ = nullptr;
  HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
  HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
};

class ShellTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // Serves one load request in the stand-in shell; true when it reached
  // Graftling, whose class-object call always fails the same way.
  bool Load() const;

  HWND Make(const farm::WindowSpec& spec);
  void HideAndShow(HWND window) const;

  // The settings key holds exactly these numbers and, when given, this
  // user-defined class list text.
  void SetSettings(const std::vector<std::pair<const char*, DWORD>>& numbers,
                   const char* userClasses = nullptr) const;

  RegistryScratch settings_{kSettingsKeyPath};
  standin::StandInShell shell_;
  farm::WindowFarm farm_;

 private:
  static std::unique_ptr<standin::ServerRegistration> registration_;
};

}  // namespace shellext_test
