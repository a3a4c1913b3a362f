// The shortcut keys of the running program: a prepared "HotKey.lst" whose
// shortcuts are pressed and then saved again unchanged, the default set when
// there is no list, a damaged list set aside, and the save when the session ends.
#include "Harness.h"
#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyRules.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace e2e {
namespace {

using HotKeyTest = StowpouchTest;

std::string ListFile() { return WorkFolder() + "HotKey.lst"; }

std::string DefaultSetBytes() {
  // The bench's prefix has exactly two fixed drives, C and D.
  return EncodeHotKeyList(
      DefaultHotKeyItems([](char letter) { return letter == 'C' || letter == 'D'; }));
}

bool Quit(Stowpouch& app) {
  PostMessageA(app.Window(), WM_COMMAND, IDCANCEL, 0);
  return app.process().WaitForExit();
}

TEST_F(HotKeyTest, PreparedShortcutsRunAndTheListIsSavedUnchanged) {
  ResetSettings({{"QueryQuit", 1}});
  farm::WindowFarm farm;
  farm::WindowSpec spec;
  spec.className = "CabinetWClass";
  spec.title = "Folder";
  const HWND folder = farm.Create(spec);
  ASSERT_NE(folder, nullptr);

  const std::string startIn = WorkFolder() + "probe";
  CreateDirectoryA(startIn.c_str(), nullptr);
  DeleteFileA((startIn + "\\probe.txt").c_str());
  CHotKeyItem file;
  file.m_nType = HOTKEY_FILE;
  file.m_strCommand = BinFolder() + "StartProbe.exe";
  file.m_strParameters = "pressed";
  file.m_strStartIn = startIn;
  file.m_nModifiers = MOD_CONTROL | MOD_ALT;
  file.m_nVirtualKey = 'J';
  CHotKeyItem close;
  close.m_nType = HOTKEY_FUNCTION;
  close.m_strCommand = "Close All Stowpouch Item";
  close.m_nFunction = 10;
  close.m_nModifiers = MOD_WIN;
  close.m_nVirtualKey = VK_NEXT;
  const std::string prepared = EncodeHotKeyList({file, close});
  ASSERT_TRUE(WriteFileBytes(ListFile(), prepared));

  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(PressUntil({VK_CONTROL, VK_MENU, 'J'}, [&] {
    return ReadFileBytes(startIn + "\\probe.txt").rfind("pressed\r\n", 0) == 0;
  }));
  // The Windows-key hook sees this one too and lets it pass.
  EXPECT_TRUE(PressUntil({VK_LWIN, VK_NEXT}, [&] { return !IsWindow(folder); }));
  ASSERT_TRUE(Quit(app));
  EXPECT_EQ(ReadFileBytes(ListFile()), prepared);
  EXPECT_FALSE(HeldBySomeone(MOD_CONTROL | MOD_ALT, 'J'));
}

TEST_F(HotKeyTest, StartWithoutAListHoldsTheDefaultSetAndSavesIt) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  for (UINT key : {UINT{'1'}, UINT{'2'}, UINT{'Y'}, UINT{'C'}, UINT{'I'}, UINT{VK_NEXT}, UINT{VK_DOWN},
                   UINT{VK_UP}, UINT{'T'}, UINT{VK_INSERT}})
    EXPECT_TRUE(HeldBySomeone(MOD_WIN, key)) << key;
  EXPECT_FALSE(HeldBySomeone(MOD_WIN, '3'));  // no third fixed drive
  // The menu hotkey, Windows + Q, lives beside them. (Pressed again only
  // if no menu came: while one is open the key is let go.)
  ASSERT_TRUE(PressUntil({VK_LWIN, 'Q'}, [&] { return app.PopupMenu() != nullptr; }));
  EXPECT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
    return record.message == WM_HOTKEY && record.wParam == 'Q';
  }));
  EXPECT_NE(app.WaitForPopupMenu(), nullptr);
  ASSERT_TRUE(app.CloseMenus());
  ASSERT_TRUE(Quit(app));
  EXPECT_EQ(ReadFileBytes(ListFile()), DefaultSetBytes());
  EXPECT_FALSE(HeldBySomeone(MOD_WIN, '1'));
}

// From Windows 8 on the shell holds Windows key + Q; here the farm does.
TEST_F(HotKeyTest, AMenuHotKeyAnotherProgramHoldsIsTakenFromIt) {
  ResetSettings({{"QueryQuit", 1}});
  farm::WindowFarm holder;
  ASSERT_TRUE(holder.Running());
  ASSERT_TRUE(holder.HoldHotKey(MOD_WIN, 'Q'));
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PressUntil({VK_LWIN, 'Q'}, [&] { return app.PopupMenu() != nullptr; }));
  // Pressed again while the menu is open, it is still taken, and ignored;
  // the Escape after it comes through once it has been dealt with.
  ASSERT_TRUE(PressChord({VK_LWIN, 'Q'}));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  EXPECT_TRUE(WaitUntil([&] { return app.PopupMenu() == nullptr; }));
  ASSERT_TRUE(app.CloseMenus());
  EXPECT_EQ(0, holder.HotKeysReceived());
  ASSERT_TRUE(Quit(app));
}

TEST_F(HotKeyTest, DamagedListIsKeptAsBadToldOnceAndReplacedByTheDefaultSet) {
  ResetSettings({{"QueryQuit", 1}});
  std::string damaged = DefaultSetBytes();
  damaged.resize(17);
  ASSERT_TRUE(WriteFileBytes(ListFile(), damaged));
  ASSERT_TRUE(WriteFileBytes(ListFile() + ".bad", "an older damaged list"));

  Stowpouch app;
  const HWND box = app.WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Stowpouch::MessageBoxText(box),
            "Cannot read HotKey.lst: unexpected end of file. It was kept as " + ListFile() +
                ".bad, and the default shortcut keys are used.");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(HeldBySomeone(MOD_WIN, VK_INSERT));
  ASSERT_TRUE(Quit(app));
  EXPECT_EQ(ReadFileBytes(ListFile() + ".bad"), damaged);
  EXPECT_EQ(ReadFileBytes(ListFile()), DefaultSetBytes());
}

TEST_F(HotKeyTest, EndOfSessionSavesTheListAndTheSettingsBeforeTheProcessIsEnded) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(Send(app.Window(), WM_QUERYENDSESSION, 0, 0), std::optional<LRESULT>(TRUE));
  ASSERT_TRUE(Send(app.Window(), WM_ENDSESSION, TRUE, 0).has_value());
  // The system ends the program right after the answer: no teardown runs.
  ASSERT_TRUE(TerminateProcess(app.process().Get(), 1));
  ASSERT_TRUE(app.process().WaitForExit());
  EXPECT_EQ(ReadFileBytes(ListFile()), DefaultSetBytes());
  EXPECT_EQ(ReadSetting("QueryQuit"), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
