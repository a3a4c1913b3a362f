// The settings record against the real registry of the test prefix.
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/wine/settings/RegistryScratch.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings() = SettingsRecord(); }
  void TearDown() override { Settings() = SettingsRecord(); }

  RegistryScratch key_{kSettingsKeyPath};
};

std::vector<int32_t> AllNumbers(const SettingsRecord& record) {
  std::vector<int32_t> numbers;
  for (const SettingsNumber& number : kKindNumbers) numbers.push_back(record.*number.field);
  for (const SettingsNumber& number : kOptionNumbers) numbers.push_back(record.*number.field);
  numbers.push_back(record.Netscape);
  return numbers;
}

TEST_F(SettingsStoreTest, WithoutTheKeyEveryFieldKeepsItsDefault) {
  EXPECT_EQ(LoadSettings(), 0);
  EXPECT_EQ(AllNumbers(Settings()), AllNumbers(SettingsRecord()));
  EXPECT_TRUE(Settings().UserAppCaption.empty());
}

TEST_F(SettingsStoreTest, SavedRecordLoadsBackUnchanged) {
  SettingsRecord& record = Settings();
  int32_t value = 0;
  for (const SettingsNumber& number : kKindNumbers) record.*number.field = value++ % 2;
  for (const SettingsNumber& number : kOptionNumbers) record.*number.field = value++ % 2;
  record.IndexVirtualKey = 0x5A;
  record.IndexFunctionKey = 2;
  record.UserAppCaption = {"Untitled - Notepad", "", "Calculator"};
  record.UserClassName = {"Notepad", "Empty", "CalcFrame"};
  const SettingsRecord saved = record;
  ASSERT_EQ(SaveSettings(), 1);

  Settings() = SettingsRecord();
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(AllNumbers(Settings()), AllNumbers(saved));
  EXPECT_EQ(Settings().UserAppCaption, saved.UserAppCaption);
  EXPECT_EQ(Settings().UserClassName, saved.UserClassName);
}

TEST_F(SettingsStoreTest, StoredFormatIsDwordsAndSeparatedText) {
  Settings().UserClassName = {"N", "C"};
  ASSERT_EQ(SaveSettings(), 1);

  DWORD type = 0;
  std::string data;
  ASSERT_TRUE(key_.GetRaw("UserClassName", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data, std::string("N\x01" "C\x01", 5));  // text, then its NUL
  ASSERT_TRUE(key_.GetRaw("UserAppCaption", type, data));
  EXPECT_EQ(data, std::string("\0", 1));
  ASSERT_TRUE(key_.GetRaw("DIsplayMenuIcons", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, std::string("\x01\0\0\0", 4));
  EXPECT_FALSE(key_.GetRaw("Netscape", type, data));
}

// Every number the key holds, by the name other readers of the key know it
// by (registry names ignore case, but readers see this spelling), with its
// value when nothing was ever stored.
const std::pair<const char*, DWORD> kStoredDefaults[] = {
    {"Explorer", 1}, {"IExplorer", 1}, {"Folder", 1}, {"QueryHide", 0}, {"QueryQuit", 0},
    {"DisplayCloseAll", 1}, {"DisplayMinimizeAll", 1}, {"DisplayDrive", 1},
    {"DisplayFolderHistory", 1}, {"MenuPosAppBar", 1}, {"MenuPosStartButton", 1},
    {"MenuPosTray", 1}, {"MenuPosHotKey", 1}, {"IndexFunctionKey", 0}, {"IndexVirtualKey", 'Q'},
    {"SortMenuItem", 1}, {"FunctionCommand", 1}, {"DesktopIcon", 1}, {"MenuPosDesktop", 1},
    {"MenuPosDesktopLeft", 1}, {"MenuPosDesktopRight", 1}, {"MenuPosDesktopTop", 1},
    {"MenuPosDesktopBottom", 1}, {"DisplayCDROM", 1}, {"DisplayFixed", 1}, {"DisplayRemote", 1},
    {"DisplayRemovable", 0}, {"DisplayHistoryFolder", 1}, {"DisplayHistoryIExplorer", 1},
    {"DisplayMenuLargeIcon", 1}, {"DIsplayMenuIcons", 1}, {"DisplayMenuLogo", 1},
    {"Use256ColorsIcon", 1}, {"HideStartup", 0}};

std::vector<std::string> StoredNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(SettingsStoreTest, WithoutTheKeyTheDefaultsAreWhatGetsStored) {
  ASSERT_EQ(LoadSettings(), 0);
  ASSERT_EQ(SaveSettings(), 1);
  std::vector<std::string> expectedNames = {"UserAppCaption", "UserClassName"};
  for (const auto& [name, value] : kStoredDefaults) {
    expectedNames.push_back(name);
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(key_.GetRaw(name, type, data)) << name;
    EXPECT_EQ(data, std::string(reinterpret_cast<const char*>(&value), sizeof value)) << name;
  }
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(StoredNames(), expectedNames);
}

TEST_F(SettingsStoreTest, EveryStoredNumberLoadsIntoItsOwnField) {
  DWORD distinct = 100;
  for (const auto& entry : kStoredDefaults) key_.SetDword(entry.first, distinct++);
  ASSERT_EQ(LoadSettings(), 1);
  key_.Clear();
  ASSERT_EQ(SaveSettings(), 1);
  distinct = 100;
  for (const auto& entry : kStoredDefaults) {
    const DWORD value = distinct++;
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(key_.GetRaw(entry.first, type, data)) << entry.first;
    EXPECT_EQ(data, std::string(reinterpret_cast<const char*>(&value), sizeof value))
        << entry.first;
  }
}

// Makes HKEY_CURRENT_USER of this process a fresh volatile key, under which
// no lasting key can be created.
class VolatileUserRoot {
 public:
  VolatileUserRoot() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &root_, nullptr);
    overridden_ = root_ && RegOverridePredefKey(HKEY_CURRENT_USER, root_) == ERROR_SUCCESS;
  }
  ~VolatileUserRoot() {
    if (overridden_) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    if (root_) RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, kPath);
  }
  VolatileUserRoot(const VolatileUserRoot&) = delete;
  VolatileUserRoot& operator=(const VolatileUserRoot&) = delete;
  bool Ready() const { return overridden_; }

 private:
  static constexpr char kPath[] = "StowpouchTestVolatileRoot";
  HKEY root_ = nullptr;
  bool overridden_ = false;
};

TEST_F(SettingsStoreTest, SavingSaysSoWhenTheKeyCannotBeCreated) {
  {
    VolatileUserRoot root;
    ASSERT_TRUE(root.Ready());
    EXPECT_EQ(SaveKindSettings(), 0);
    EXPECT_EQ(SaveSettings(), 0);
    EXPECT_EQ(LoadSettings(), 0);
  }
  EXPECT_TRUE(StoredNames().empty());
}

TEST_F(SettingsStoreTest, KindSettingsWriteOnlyKindsAndLists) {
  Settings().Folder = 0;
  ASSERT_EQ(SaveKindSettings(), 1);
  DWORD type = 0;
  std::string data;
  EXPECT_TRUE(key_.GetRaw("Folder", type, data));
  EXPECT_TRUE(key_.GetRaw("Explorer", type, data));
  EXPECT_TRUE(key_.GetRaw("IExplorer", type, data));
  EXPECT_TRUE(key_.GetRaw("UserAppCaption", type, data));
  EXPECT_TRUE(key_.GetRaw("UserClassName", type, data));
  EXPECT_FALSE(key_.GetRaw("QueryHide", type, data));
  EXPECT_FALSE(key_.GetRaw("HideStartup", type, data));
}

TEST_F(SettingsStoreTest, NetscapeIsOffAfterEveryLoad) {
  key_.SetDword("Netscape", 1);
  Settings().Netscape = 1;
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().Netscape, 0);
}

TEST_F(SettingsStoreTest, NumbersNeedExactlyFourBytesOfAnyType) {
  const BYTE four[4] = {0x5A, 0, 0, 0};
  const BYTE two[2] = {0, 0};
  const BYTE eight[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  key_.SetRaw("IndexVirtualKey", REG_BINARY, four, sizeof four);  // loads like a DWORD
  key_.SetRaw("MenuPosTray", REG_BINARY, two, sizeof two);         // too short: ignored
  key_.SetRaw("MenuPosHotKey", REG_QWORD, eight, sizeof eight);    // too long: ignored
  key_.SetText("FunctionCommand", "0");                            // two bytes: ignored
  key_.SetText("SortMenuItem", "abc");  // four bytes: read, and not 1, so off
  key_.SetDword("QueryQuit", 1);
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().IndexVirtualKey, 0x5A);
  EXPECT_EQ(Settings().MenuPosTray, 1);
  EXPECT_EQ(Settings().MenuPosHotKey, 1);
  EXPECT_EQ(Settings().FunctionCommand, 1);
  EXPECT_NE(Settings().SortMenuItem, 1);
  EXPECT_EQ(Settings().QueryQuit, 1);
}

// Forty applications with long titles take far more than the 511 characters
// the lists were once cut at.
TEST_F(SettingsStoreTest, ListsUpToTheBoundLoadWhole) {
  SettingsRecord& record = Settings();
  for (int i = 0; i < 40; ++i) {
    record.UserAppCaption.push_back(std::string(60, static_cast<char>('a' + i % 26)));
    record.UserClassName.push_back("Class" + std::to_string(i));
  }
  const SettingsRecord saved = record;
  ASSERT_EQ(SaveKindSettings(), 1);
  Settings() = SettingsRecord();
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserAppCaption, saved.UserAppCaption);
  EXPECT_EQ(Settings().UserClassName, saved.UserClassName);

  key_.SetText("UserAppCaption", std::string(kStringListMaxText - 1, 'y') + '\x01');
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserAppCaption.size(), 1u);
}

TEST_F(SettingsStoreTest, ListsOfDifferentLengthsKeepThePairsBothHold) {
  key_.SetText("UserAppCaption", "Untitled - Notepad\x01" "Calculator\x01" "Paint\x01");
  key_.SetText("UserClassName", "Notepad\x01" "CalcFrame\x01");
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserAppCaption, (StringList{"Untitled - Notepad", "Calculator"}));
  EXPECT_EQ(Settings().UserClassName, (StringList{"Notepad", "CalcFrame"}));
}

TEST_F(SettingsStoreTest, ListStoredWithoutItsNulEndsAtTheData) {
  const std::string text = "Notepad\x01" "Calc\x01";
  key_.SetRaw("UserClassName", REG_SZ, text.data(), static_cast<DWORD>(text.size()));
  // The whole buffer and no NUL anywhere: there is no end to find, so it is
  // not read and the list in memory stays.
  const std::string full(kListBufferBytes, 'z');
  key_.SetRaw("UserAppCaption", REG_SZ, full.data(), static_cast<DWORD>(full.size()));
  Settings().UserAppCaption = {"kept", "kept too"};
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserClassName, (StringList{"Notepad", "Calc"}));
  EXPECT_EQ(Settings().UserAppCaption, (StringList{"kept", "kept too"}));
}

TEST_F(SettingsStoreTest, ListOfWrongTypeIsReadAsText) {
  const std::string text = "Calc\x01";
  key_.SetRaw("UserClassName", REG_BINARY, text.data(), static_cast<DWORD>(text.size()));
  key_.SetText("UserAppCaption", "Calculator\x01");
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserClassName, StringList{"Calc"});
}

}  // namespace
