#pragma once
// The program's options. Each field bears the name of its registry value;
// flags hold 1 (on) or 0 (off) and every reader tests for 1.
#include <cstddef>
#include <cstdint>

#include "settings/StringList.h"

struct SettingsRecord {
  // Window kinds that belong to the pouch.
  int32_t Explorer = 1;
  int32_t Folder = 1;
  int32_t IExplorer = 1;
  int32_t Netscape = 0;  // never stored; 0 after every load
  StringList UserAppCaption;
  StringList UserClassName;

  // Confirmations: 1 means "don't ask".
  int32_t QueryHide = 0;
  int32_t QueryQuit = 0;

  // What the pouch menu offers.
  int32_t DisplayCloseAll = 1;
  int32_t DisplayMinimizeAll = 1;
  int32_t DisplayDrive = 1;
  int32_t DisplayFolderHistory = 1;

  // Launch surfaces.
  int32_t MenuPosAppBar = 1;
  int32_t MenuPosStartButton = 1;
  int32_t MenuPosTray = 1;
  int32_t MenuPosHotKey = 1;
  int32_t IndexFunctionKey = 0;   // 0 Win, 1 Ctrl, 2 Alt
  int32_t IndexVirtualKey = 0x51; // Q

  int32_t SortMenuItem = 1;
  int32_t FunctionCommand = 1;
  int32_t DesktopIcon = 1;

  int32_t MenuPosDesktop = 1;
  int32_t MenuPosDesktopLeft = 1;
  int32_t MenuPosDesktopRight = 1;
  int32_t MenuPosDesktopTop = 1;
  int32_t MenuPosDesktopBottom = 1;

  // Drive list of the pouch menu.
  int32_t DisplayCDROM = 1;
  int32_t DisplayFixed = 1;
  int32_t DisplayRemote = 1;
  int32_t DisplayRemovable = 0;
  int32_t DisplayHistoryFolder = 1;
  int32_t DisplayHistoryIExplorer = 1;

  // Menu look.
  int32_t DisplayMenuLargeIcon = 1;
  int32_t DIsplayMenuIcons = 1;  // the registry spells it so
  int32_t DisplayMenuLogo = 1;
  int32_t Use256ColorsIcon = 1;
  int32_t HideStartup = 0;
};

// A number of the record and the registry value it is stored under.
struct SettingsNumber {
  const char* name;
  int32_t SettingsRecord::*field;
};

// The window-kind switches, in the order they are read.
extern const SettingsNumber kKindNumbers[3];

// Every other number, from "QueryHide" to "HideStartup", in the order they
// are read and written.
extern const SettingsNumber kOptionNumbers[31];

constexpr const char kSettingsKeyPath[] = "Software\\Quarrelwood\\Stowpouch";
// A volatile key under it for what means nothing after log-off (window
// handles); never created before the settings key itself.
constexpr const char kSessionKeyPath[] = "Software\\Quarrelwood\\Stowpouch\\Session";
constexpr const char kUserAppCaptionValue[] = "UserAppCaption";
constexpr const char kUserClassNameValue[] = "UserClassName";

// Buffer sizes of the registry reads. Stowpouch and Graftling read the lists
// with the same bound, so that both always see the same list.
constexpr std::size_t kNumberBufferBytes = 4;
constexpr std::size_t kListBufferBytes = kStringListMaxText + 1;

// The menu hotkey's modifier flag for "IndexFunctionKey" (0 Win, 1 Ctrl,
// 2 Alt); any other value means Win.
unsigned MenuHotKeyModifier(int32_t indexFunctionKey);
