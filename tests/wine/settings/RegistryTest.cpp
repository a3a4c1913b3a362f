// Reads of registry text never run past the data the platform returned.
#include "framework/Registry.h"

#include <gtest/gtest.h>

#include "tests/wine/settings/RegistryScratch.h"
#include "windows/ShellFolders.h"

namespace {

constexpr char kScratchPath[] = "Software\\Quarrelwood\\StowpouchTests";

TEST(RegistryKey, TextThatFillsTheBufferWithoutNulDoesNotFit) {
  RegistryScratch scratch(kScratchPath);
  const std::string full(MAX_PATH, 'p');
  scratch.SetRaw("Full", REG_SZ, full.data(), MAX_PATH);
  const std::string almost(MAX_PATH - 1, 'q');
  scratch.SetRaw("Almost", REG_SZ, almost.data(), MAX_PATH - 1);  // no NUL, one byte to spare
  scratch.SetText("Longer", std::string(MAX_PATH + 40, 'r'));

  const RegistryKey key(HKEY_CURRENT_USER, kScratchPath, KEY_READ);
  ASSERT_TRUE(key.IsOpen());
  std::string text = "untouched";
  EXPECT_FALSE(key.QueryText("Full", MAX_PATH, text));
  EXPECT_FALSE(key.QueryText("Longer", MAX_PATH, text));
  EXPECT_FALSE(key.QueryText("Missing", MAX_PATH, text));
  EXPECT_EQ(text, "untouched");
  EXPECT_TRUE(key.QueryText("Almost", MAX_PATH, text));
  EXPECT_EQ(text, almost);
}

TEST(RegistryKey, TextEndsAtItsFirstNul) {
  RegistryScratch scratch(kScratchPath);
  scratch.SetRaw("Embedded", REG_SZ, "C:\\Desk\0junk", 12);
  const RegistryKey key(HKEY_CURRENT_USER, kScratchPath, KEY_READ);
  std::string text;
  ASSERT_TRUE(key.QueryText("Embedded", MAX_PATH, text));
  EXPECT_EQ(text, "C:\\Desk");
}

// The desktop folder path comes from the user's Shell Folders key; a value
// of our own there is read the same way and removed afterwards.
class ShellFolderPathTest : public ::testing::Test {
 protected:
  static constexpr char kShellFolders[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  static constexpr char kValue[] = "StowpouchTestFolder";

  void Set(const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
  }
  void TearDown() override { RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, kValue); }
};

TEST_F(ShellFolderPathTest, ReadsTheValue) {
  Set(std::string("C:\\users\\me\\Desktop\0", 21));  // with its NUL
  std::string path;
  ASSERT_TRUE(ReadShellFolderPath(kValue, path));
  EXPECT_EQ(path, "C:\\users\\me\\Desktop");
}

TEST_F(ShellFolderPathTest, ValueFillingMaxPathLeavesThePathEmpty) {
  Set(std::string(MAX_PATH, 'd'));
  std::string path;
  EXPECT_FALSE(ReadShellFolderPath(kValue, path));
  EXPECT_TRUE(path.empty());
}

TEST_F(ShellFolderPathTest, MissingValueLeavesThePathEmpty) {
  std::string path;
  EXPECT_FALSE(ReadShellFolderPath(kValue, path));
  EXPECT_TRUE(path.empty());
}

}  // namespace
