// The settings record against the real registry of the test prefix.
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(SettingsStoreTest, ValueNamesAreWrittenWithTheirExactSpelling) {
  ASSERT_EQ(SaveSettings(), 1);
  std::vector<std::string> names;
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  // Registry names ignore case, but the stored spelling is what other
  // readers of the key see.
  EXPECT_NE(std::find(names.begin(), names.end(), "DIsplayMenuIcons"), names.end());
  EXPECT_EQ(names.size(), 36u);
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

TEST_F(SettingsStoreTest, ListOfUpTo511CharactersLoads) {
  const std::string element(510, 'x');
  key_.SetText("UserClassName", element + '\x01');  // 511 characters and the NUL
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserClassName, StringList{element});
}

TEST_F(SettingsStoreTest, LongerListIsNotReadWhileItsPartnerIs) {
  key_.SetText("UserAppCaption", std::string(511, 'y') + '\x01');  // 512 characters
  key_.SetText("UserClassName", "Notepad\x01");
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_TRUE(Settings().UserAppCaption.empty());
  EXPECT_EQ(Settings().UserClassName, StringList{"Notepad"});
}

TEST_F(SettingsStoreTest, ListStoredWithoutItsNulEndsAtTheData) {
  const std::string text = "Notepad\x01" "Calc\x01";
  key_.SetRaw("UserClassName", REG_SZ, text.data(), static_cast<DWORD>(text.size()));
  // 512 bytes and no NUL anywhere: there is no end to find, so it is not read.
  const std::string full(512, 'z');
  key_.SetRaw("UserAppCaption", REG_SZ, full.data(), static_cast<DWORD>(full.size()));
  Settings().UserAppCaption = {"kept"};
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserClassName, (StringList{"Notepad", "Calc"}));
  EXPECT_EQ(Settings().UserAppCaption, StringList{"kept"});
}

TEST_F(SettingsStoreTest, ListOfWrongTypeIsReadAsText) {
  const std::string text = "Calc\x01";
  key_.SetRaw("UserClassName", REG_BINARY, text.data(), static_cast<DWORD>(text.size()));
  ASSERT_EQ(LoadSettings(), 1);
  EXPECT_EQ(Settings().UserClassName, StringList{"Calc"});
}

}  // namespace
