// The Quick Launch shortcut in a Quick Launch folder of the test's own: each
// test points "AppData" of the user's Shell Folders key at a scratch folder
// and puts the old value back afterwards.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/QuickLaunch.h"
#include "framework/Handles.h"
#include "framework/Registry.h"
#include "settings/SettingsRecord.h"
#include "tests/support/TestSupport.h"

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  return static_cast<bool>(file << bytes);
}

// A link file as the shell reads it back.
struct LinkContents {
  std::string target, description, iconPath;
  int iconIndex = -1;
  WORD hotKey = 0;
};

std::optional<LinkContents> ReadLink(const std::string& path) {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  WCHAR widePath[MAX_PATH] = L"";
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.Receive())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())) ||
      !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) ||
      FAILED(file->Load(widePath, STGM_READ)))
    return std::nullopt;
  char target[MAX_PATH] = "", description[MAX_PATH] = "", icon[MAX_PATH] = "";
  LinkContents contents;
  link->GetPath(target, MAX_PATH, nullptr, 0);
  link->GetDescription(description, MAX_PATH);
  link->GetIconLocation(icon, MAX_PATH, &contents.iconIndex);
  link->GetHotkey(&contents.hotKey);
  contents.target = target;
  contents.description = description;
  contents.iconPath = icon;
  return contents;
}

std::string DartletBesideThisProgram() { return test_support::ProgramFolder() + "Dartlet.exe"; }

class QuickLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char temp[MAX_PATH] = "";
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
    const std::string root = temp + std::string("StowpouchQL") + std::to_string(GetCurrentProcessId());
    folders_ = {root, root + "\\Microsoft", root + "\\Microsoft\\Internet Explorer",
                root + "\\Microsoft\\Internet Explorer\\Quick Launch"};
    for (const std::string& folder : folders_) CreateDirectoryA(folder.c_str(), nullptr);
    link_ = folders_[3] + "\\StowpouchQL.lnk";
    const RegistryKey key(HKEY_CURRENT_USER, kShellFolders, KEY_READ | KEY_WRITE);
    ASSERT_TRUE(key.IsOpen());
    hadAppData_ = key.QueryText("AppData", MAX_PATH, appData_);
    ASSERT_TRUE(key.SetText("AppData", root));
  }

  void TearDown() override {
    const RegistryKey key(HKEY_CURRENT_USER, kShellFolders, KEY_READ | KEY_WRITE);
    if (hadAppData_)
      key.SetText("AppData", appData_);
    else
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "AppData");
    SetFileAttributesA(Folder().c_str(), FILE_ATTRIBUTE_DIRECTORY);
    DeleteFileA(link_.c_str());
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder)
      RemoveDirectoryA(folder->c_str());
    CoUninitialize();
  }

  static void Keep(int32_t menuPosAppBar) {
    SettingsRecord settings;
    settings.MenuPosAppBar = menuPosAppBar;
    KeepQuickLaunchShortcut(settings);
  }
  const std::string& Folder() const { return folders_[3]; }
  bool LinkThere() const { return GetFileAttributesA(link_.c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::vector<std::string> folders_;
  std::string link_;
  std::string appData_;
  bool hadAppData_ = false;
};

TEST_F(QuickLaunchTest, StartsDartletWhileTheSettingIsOnAndGoesWhenItIsOff) {
  Keep(1);
  const std::optional<LinkContents> link = ReadLink(link_);
  ASSERT_TRUE(link.has_value()) << "no shortcut that the shell can read";
  EXPECT_EQ(DartletBesideThisProgram(), link->target);
  EXPECT_EQ("Stowpouch Launch!", link->description);
  EXPECT_EQ(link->target, link->iconPath);
  EXPECT_EQ(0, link->iconIndex);
  Keep(0);
  EXPECT_FALSE(LinkThere());
}

TEST_F(QuickLaunchTest, AFileAlreadyThereIsNeverRewritten) {
  ASSERT_TRUE(WriteBytes(link_, "the user's own shortcut"));
  Keep(1);
  EXPECT_EQ("the user's own shortcut", ReadBytes(link_));
}

// Wine cannot mark a directory read-only (it ignores the attribute and
// reports it only for a directory without write permission), so a hidden
// folder stands for every folder with more than the directory attribute.
TEST_F(QuickLaunchTest, AMarkedOrMissingFolderIsLeftAlone) {
  ASSERT_TRUE(SetFileAttributesA(Folder().c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_EQ(DWORD{FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
            GetFileAttributesA(Folder().c_str()));
  Keep(1);
  EXPECT_FALSE(LinkThere()) << "made in a hidden folder";
  ASSERT_TRUE(WriteBytes(link_, "kept"));
  Keep(0);
  EXPECT_TRUE(LinkThere()) << "deleted from a hidden folder";

  ASSERT_TRUE(SetFileAttributesA(Folder().c_str(), FILE_ATTRIBUTE_DIRECTORY));
  ASSERT_TRUE(DeleteFileA(link_.c_str()));
  ASSERT_TRUE(RemoveDirectoryA(Folder().c_str()));
  Keep(1);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Folder().c_str())) << "folder made";
}

TEST_F(QuickLaunchTest, CreateShellLinkWritesEveryField) {
  ShellLinkRecord record;
  record.targetPath = DartletBesideThisProgram();
  record.description = "described";
  record.hotKey = MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT);
  record.iconPath = "C:\\windows\\system32\\shell32.dll";
  record.iconIndex = 3;
  ASSERT_EQ(S_OK, CreateShellLink(link_, &record));
  const std::optional<LinkContents> link = ReadLink(link_);
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(record.description, link->description);
  EXPECT_EQ(record.hotKey, link->hotKey);
  EXPECT_EQ(record.iconPath, link->iconPath);
  EXPECT_EQ(3, link->iconIndex);
  EXPECT_EQ(E_FAIL, CreateShellLink(link_ + ".2", nullptr));
  EXPECT_FALSE(SUCCEEDED(CreateShellLink(Folder() + "\\missing\\x.lnk", &record)));
}

}  // namespace
