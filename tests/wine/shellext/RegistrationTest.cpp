// Graftling's COM registration through the platform's own regsvr32.
#include <olectl.h>

#include <string>

#include "ShellTest.h"
#include "shellext/GraftlingIds.h"
#include "tests/support/helper/HelperClient.h"

namespace shellext_test {
namespace {

const std::string kClassKey = std::string("CLSID\\") + kGraftlingClsidText;
const std::string kServerKey = kClassKey + "\\InProcServer32";

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

struct KeyContents {
  DWORD values = 0;
  DWORD subkeys = 0;
};

KeyContents Count(const std::string& path) {
  KeyContents contents;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return contents;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &contents.subkeys, nullptr, nullptr,
                   &contents.values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return contents;
}

// The string stored under a value: its type must be REG_SZ and its length
// must count the terminating zero.
std::string Text(const std::string& path, const char* name) {
  char data[1024] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "<no key>";
  const LONG status =
      RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return "<no value>";
  if (type != REG_SZ) return "<not REG_SZ>";
  if (size == 0 || data[size - 1] != '\0' || std::string(data).size() + 1 != size)
    return "<length without its zero>";
  return data;
}

std::string LongPath(const std::string& path) {
  char full[MAX_PATH] = {};
  const DWORD length = GetLongPathNameA(path.c_str(), full, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(full) : path;
}

TEST(Registration, TwiceGivesOneSetOfEntriesAndUnregisteringTwiceSucceeds) {
  ASSERT_TRUE(standin::RunRegsvr32("Graftling.dll", true).has_value());
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(testing::Message() << "registration " << round + 1);
    EXPECT_EQ(standin::RunRegsvr32("Graftling.dll", false), DWORD{0});
    EXPECT_EQ(Text(kClassKey, nullptr), "Stowpouch Graftwork");
    EXPECT_EQ(Count(kClassKey).values, 1u);
    EXPECT_EQ(Count(kClassKey).subkeys, 1u);
    EXPECT_EQ(lstrcmpiA(LongPath(Text(kServerKey, nullptr)).c_str(),
                        LongPath(helper::OwnFolder() + "Graftling.dll").c_str()),
              0)
        << Text(kServerKey, nullptr);
    EXPECT_EQ(Text(kServerKey, "ThreadingModel"), "Apartment");
    EXPECT_EQ(Count(kServerKey).values, 2u);
  }
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(testing::Message() << "unregistration " << round + 1);
    EXPECT_EQ(standin::RunRegsvr32("Graftling.dll", true), DWORD{0});
    EXPECT_FALSE(KeyExists(kServerKey));
    EXPECT_FALSE(KeyExists(kClassKey));
  }
}

bool MakeKey(const std::string& path, DWORD options) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, options, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Takes away what the test put in the way, so that later registrations work.
struct KeysRemoved {
  std::string extra;
  ~KeysRemoved() {
    for (const std::string& path : {extra, kServerKey, kClassKey})
      RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
  }
};

TEST(Registration, AClassKeyThatCannotBeWrittenOrRemovedFailsTheCall) {
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  const KeysRemoved cleanup{kClassKey + "\\Other"};
  ASSERT_EQ(library.UnregisterServer(), S_OK);
  // A volatile class key can hold only volatile keys.
  ASSERT_TRUE(MakeKey(kClassKey, REG_OPTION_VOLATILE));
  EXPECT_EQ(library.RegisterServer(), SELFREG_E_CLASS);
  ASSERT_EQ(library.UnregisterServer(), S_OK);

  // Someone else's key inside the class key keeps it from being removed.
  ASSERT_EQ(library.RegisterServer(), S_OK);
  ASSERT_TRUE(MakeKey(cleanup.extra, REG_OPTION_NON_VOLATILE));
  EXPECT_EQ(library.UnregisterServer(), SELFREG_E_CLASS);
  EXPECT_TRUE(KeyExists(kClassKey));
}

// Without registration a load request reaches nothing, and the shell's
// taskbar stays as it is.
TEST(Registration, AnUnregisteredClassIsNotLoaded) {
  ASSERT_TRUE(standin::RunRegsvr32("Graftling.dll", true).has_value());
  const standin::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  EXPECT_EQ(shell.ServeLoadRequest(CLSID_Graftling), REGDB_E_CLASSNOTREG);
  EXPECT_FALSE(shell.ModuleLoaded("Graftling.dll"));
}

}  // namespace
}  // namespace shellext_test
