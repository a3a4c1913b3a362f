// The shortcut list's life: loaded from "HotKey.lst" and registered at
// start-up, the default set when there is no good file, saved and let go at
// shutdown, a save that fails without harming the file already there, the
// file kept in the start folder wherever the current directory goes, and
// kept per user when the start folder takes no files.
#include <string>

#include "HotKeyFixture.h"
#include "framework/Handles.h"
#include "framework/StartFolder.h"
#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRules.h"
#include "hotkeys/HotKeys.h"
#include "hotkeys/HotKeyStore.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace hotkeys_test {
namespace {

CHotKeyItem Item(int32_t type, const std::string& command, UINT modifiers, UINT key) {
  CHotKeyItem item;
  item.m_nType = type;
  item.m_strCommand = command;
  item.m_nModifiers = static_cast<int32_t>(modifiers);
  item.m_nVirtualKey = static_cast<int32_t>(key);
  return item;
}

// The bench's prefix has exactly two fixed drives, C and D.
std::vector<CHotKeyItem> DefaultsForDrivesCAndD() {
  return DefaultHotKeyItems([](char letter) { return letter == 'C' || letter == 'D'; });
}

// Points %APPDATA% at a folder of the test's own while it lives.
class ScopedAppData {
 public:
  explicit ScopedAppData(const std::filesystem::path& folder) {
    char old[MAX_PATH] = "";
    had_ = GetEnvironmentVariableA("APPDATA", old, MAX_PATH) > 0;
    old_ = old;
    SetEnvironmentVariableA("APPDATA", folder.string().c_str());
  }
  ~ScopedAppData() { SetEnvironmentVariableA("APPDATA", had_ ? old_.c_str() : nullptr); }
  ScopedAppData(const ScopedAppData&) = delete;
  ScopedAppData& operator=(const ScopedAppData&) = delete;

 private:
  bool had_ = false;
  std::string old_;
};

void ExpectDefaultSetRegistered() {
  const HotKeyItems& list = HotKeyList();
  ASSERT_EQ(list.size(), 10u);
  EXPECT_EQ(list[0].m_strCommand, "C:\\");
  EXPECT_EQ(list[0].m_nVirtualKey, '1');
  EXPECT_EQ(list[1].m_strCommand, "D:\\");
  EXPECT_EQ(list[1].m_nVirtualKey, '2');
  EXPECT_EQ(list[9].m_nVirtualKey, VK_INSERT);
  std::vector<int32_t> ids;
  for (const CHotKeyItem& item : list) {
    EXPECT_NE(item.m_nHotKeyId, 0) << item.m_nVirtualKey;
    EXPECT_FALSE(CombinationFree(MOD_WIN, static_cast<UINT>(item.m_nVirtualKey)))
        << item.m_nVirtualKey;
    EXPECT_EQ(std::count(ids.begin(), ids.end(), item.m_nHotKeyId), 0);
    ids.push_back(item.m_nHotKeyId);
  }
}

TEST_F(HotKeyTest, StartWithoutFileInstallsTheDefaultsAndShutdownSavesThem) {
  EXPECT_FALSE(LoadHotKeyList());
  ExpectDefaultSetRegistered();
  FreeHotKeyList();
  EXPECT_TRUE(HotKeyList().empty());
  EXPECT_TRUE(CombinationFree(MOD_WIN, '1'));
  EXPECT_TRUE(CombinationFree(MOD_WIN, VK_INSERT));
  // The first record is Windows + 1 for drive C, as documented byte for byte.
  const std::string saved = ReadBytes(ListFile());
  EXPECT_EQ(saved.substr(0, 30), std::string("\x0A\0\0\0" "\0\0\0\0" "\x03" "C:\\" "\0\0\0\0"
                                             "\0" "\0" "\0\0\0\0" "\x08\0\0\0" "1\0\0\0", 30));
  EXPECT_EQ(saved, EncodeHotKeyList(DefaultsForDrivesCAndD()));
  EXPECT_FALSE(std::filesystem::exists(Scratch() / "HotKey.lst.tmp"));
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, FileIsLoadedRegisteredAndSavedAsItWas) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.HoldHotKey(MOD_CONTROL, VK_F7));
  CHotKeyItem file = Item(HOTKEY_FILE, "C:\\Tools\\edit.exe", MOD_CONTROL | MOD_ALT, 'E');
  file.m_strParameters = "/n";
  file.m_strStartIn = "C:\\Work";
  file.m_nRunState = 1;
  const std::vector<CHotKeyItem> items = {
      file,
      Item(HOTKEY_FOLDER, "C:\\Temp", MOD_CONTROL, VK_F7),  // held by the farm
      Item(HOTKEY_FOLDER, "C:\\Windows", 0, 'W'),           // no modifier
  };
  const std::string bytes = EncodeHotKeyList(items);
  WriteBytes(ListFile(), bytes);

  EXPECT_TRUE(LoadHotKeyList());
  const HotKeyItems& list = HotKeyList();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_NE(list[0].m_nHotKeyId, 0);
  EXPECT_EQ(list[0].m_strStartIn, "C:\\Work");
  EXPECT_EQ(list[1].m_nHotKeyId, 0);  // kept, listed, saved, never fires
  EXPECT_EQ(list[2].m_nHotKeyId, 0);
  EXPECT_EQ(boxes_.Texts(),
            std::vector<std::string>{"Cannot Register HotKey. Maybe Hotkey is duplicated."});

  FreeHotKeyList();
  EXPECT_EQ(ReadBytes(ListFile()), bytes);
  EXPECT_TRUE(CombinationFree(MOD_CONTROL | MOD_ALT, 'E'));
}

TEST_F(HotKeyTest, EmptyListFileIsNoReasonForTheDefaults) {
  WriteBytes(ListFile(), std::string(4, '\0'));
  EXPECT_TRUE(LoadHotKeyList());
  EXPECT_TRUE(HotKeyList().empty());
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, FileThatEndsEarlyIsSetAsideWithOneMessageAndTheDefaults) {
  // Three records announced, one and a half present.
  std::string bytes = EncodeHotKeyList(
      {Item(HOTKEY_FOLDER, "C:\\Temp", MOD_CONTROL | MOD_SHIFT, 'T'),
       Item(HOTKEY_FOLDER, "C:\\Other", MOD_CONTROL | MOD_SHIFT, 'O')});
  bytes[0] = 3;
  bytes.resize(bytes.size() - 5);
  WriteBytes(ListFile(), bytes);

  EXPECT_FALSE(LoadHotKeyList());
  const auto boxes = boxes_.Seen();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cannot read HotKey.lst: unexpected end of file. It was kept as " +
                                ListFile().string() + ".bad, and the default shortcut keys are used.");
  EXPECT_EQ(boxes[0].owner, MainWindowStandIn());
  ExpectDefaultSetRegistered();
  // The record handed over before the damage was let go again.
  EXPECT_TRUE(CombinationFree(MOD_CONTROL | MOD_SHIFT, 'T'));
  FreeHotKeyList();
  EXPECT_EQ(ReadBytes(ListFile().string() + ".bad"), bytes);
  EXPECT_EQ(ReadBytes(ListFile()), EncodeHotKeyList(DefaultsForDrivesCAndD()));
}

TEST_F(HotKeyTest, UnopenableFileIsLeftAloneAndNothingIsSavedOverIt) {
  const std::string kept = EncodeHotKeyList({Item(HOTKEY_FOLDER, "C:\\Kept", MOD_WIN, 'K')});
  WriteBytes(ListFile(), kept);
  {
    // Another program holds the file without sharing it.
    const UniqueFile lock(CreateFileA(ListFile().string().c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(LoadHotKeyList());
  }
  EXPECT_EQ(HotKeyList().size(), 10u);
  ASSERT_EQ(boxes_.Seen().size(), 1u);
  const std::string said = boxes_.Seen()[0].text;
  EXPECT_EQ(said.rfind("Cannot open HotKey.lst: ", 0), 0u) << said;
  EXPECT_NE(said.find("It was left as it is, and nothing will be saved over it"), std::string::npos)
      << said;
  FreeHotKeyList();
  EXPECT_EQ(ReadBytes(ListFile()), kept);
  EXPECT_EQ(boxes_.Seen().size(), 1u);  // the failed save is no news
}

TEST_F(HotKeyTest, StartFolderThatTakesNoFilesKeepsTheListPerUserStartingFromTheOneBeside) {
  const std::filesystem::path appData = Scratch() / "Application Data";
  std::filesystem::create_directory(appData);
  const ScopedAppData scopedAppData(appData);
  // A folder in the way of the trial file: the start folder is not ours to write.
  std::filesystem::create_directory(Scratch() / "HotKey.lst.trial");
  const std::string beside = EncodeHotKeyList({Item(HOTKEY_FOLDER, "C:\\Beside", MOD_WIN, 'B')});
  WriteBytes(ListFile(), beside);

  EXPECT_TRUE(LoadHotKeyList());
  ASSERT_EQ(HotKeyList().size(), 1u);
  EXPECT_EQ(HotKeyList()[0].m_strCommand, "C:\\Beside");
  HotKeyList()[0].m_strCommand = "C:\\Per user";
  const std::string edited = EncodeHotKeyList(HotKeyList());
  FreeHotKeyList();
  const std::filesystem::path perUser = appData / "Quarrelwood" / "Stowpouch" / "HotKey.lst";
  EXPECT_EQ(ReadBytes(perUser), edited);
  EXPECT_EQ(ReadBytes(ListFile()), beside);

  // From now on the per-user list is the one.
  EXPECT_TRUE(LoadHotKeyList());
  ASSERT_EQ(HotKeyList().size(), 1u);
  EXPECT_EQ(HotKeyList()[0].m_strCommand, "C:\\Per user");
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, FailedSaveLeavesTheOldFileAsItWas) {
  const std::string old = EncodeHotKeyList({Item(HOTKEY_FOLDER, "C:\\Old", MOD_WIN, 'O')});
  WriteBytes(ListFile(), old);
  HotKeyList() = {Item(HOTKEY_FOLDER, "C:\\New", MOD_WIN, 'N')};

  // The temporary file cannot be made: a folder sits in its place.
  std::filesystem::create_directory(Scratch() / "HotKey.lst.tmp");
  SaveHotKeyList();
  EXPECT_EQ(ReadBytes(ListFile()), old);
  ASSERT_EQ(boxes_.Seen().size(), 1u);
  EXPECT_EQ(boxes_.Seen()[0].text.rfind("Cannot write HotKey.lst: ", 0), 0u) << boxes_.Seen()[0].text;
  // The end-of-session form fails alike, without a box nobody could answer.
  boxes_.Clear();
  EXPECT_FALSE(SaveHotKeyList(SaveFailureNotice::kQuiet));
  EXPECT_EQ(ReadBytes(ListFile()), old);
  EXPECT_TRUE(boxes_.Seen().empty());
  std::filesystem::remove(Scratch() / "HotKey.lst.tmp");

  // The list file cannot be replaced while another program has it open.
  boxes_.Clear();
  {
    const HANDLE reader = CreateFileA(ListFile().string().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    SaveHotKeyList();
    CloseHandle(reader);
  }
  EXPECT_EQ(ReadBytes(ListFile()), old);
  EXPECT_EQ(boxes_.Seen().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(Scratch() / "HotKey.lst.tmp"));

  boxes_.Clear();
  SaveHotKeyList();
  EXPECT_EQ(ReadBytes(ListFile()), EncodeHotKeyList(HotKeyList()));
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, ListStaysInTheStartFolderWhenTheCurrentDirectoryMoves) {
  const std::filesystem::path elsewhere = Scratch() / "elsewhere";
  std::filesystem::create_directory(elsewhere);
  std::filesystem::current_path(elsewhere);
  HotKeyList() = {Item(HOTKEY_FOLDER, "C:\\Kept", MOD_WIN, 'K')};
  EXPECT_TRUE(SaveHotKeyList());
  EXPECT_EQ(ReadBytes(ListFile()), EncodeHotKeyList(HotKeyList()));
  EXPECT_FALSE(std::filesystem::exists(elsewhere / "HotKey.lst"));

  HotKeyList().clear();
  EXPECT_TRUE(LoadHotKeyList());
  ASSERT_EQ(HotKeyList().size(), 1u);
  EXPECT_EQ(HotKeyList()[0].m_strCommand, "C:\\Kept");

  // A drive root already ends in its separator.
  std::filesystem::current_path("C:\\");
  FixStartFolder();
  EXPECT_EQ(StartFolderPath(kHotKeyFileName), "C:\\HotKey.lst");
}

}  // namespace
}  // namespace hotkeys_test
