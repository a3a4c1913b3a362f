#pragma once
// Names every party of the system agrees on: the program's name, the main
// window's class and the two registered messages. Each party gets a
// message's identifier from its name with RegisterWindowMessage; identifiers
// are never exchanged.

#define STOWPOUCH_PROGRAM_NAME "Stowpouch"
#define STOWPOUCH_WINDOW_CLASS "StowpouchClass"
#define STOWPOUCH_MESSAGE_NAME "StowpouchMsg"
#define SYSTEM_HOTKEY_MESSAGE_NAME "SystemHotKeyMsg"

// wParam codes of "StowpouchMsg".
enum StowpouchMsgCode {
  kMsgLaunchShortcut = 101,  // Dartlet: the Quick Launch shortcut was started
  kMsgReloadFilter = 102,    // to the taskbar filter: re-read the settings key
  kMsgReloadAnswer = 100,    // the filter's reply to kMsgReloadFilter
  kMsgEdgeLeft = 200,        // Sprigload: click at the left desktop edge
  kMsgEdgeRight = 201,
  kMsgEdgeTop = 202,
  kMsgEdgeBottom = 203,
};

// wParam codes of "SystemHotKeyMsg" from Keysnare.
enum SystemHotKeyMsgCode {
  kSystemHotKeyTyped = 0,  // a Windows-key combination was typed
  kSystemHotKeyTaken = 1,  // the combination Keysnare takes for the menu hotkey was pressed
};
