#pragma once
// The main window: the small control panel that receives every event of
// the program, from its buttons to the messages of the outside programs.
// It runs as a modal dialog for the whole life of the process.
#include <windows.h>

#include <array>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "menu/MenuArt.h"
#include "menu/PouchMenu.h"
#include "windows/HiddenWindows.h"
#include "windows/SavedWindows.h"

class CStowpouchDlg : public CDialog {
 public:
  CStowpouchDlg();

  // Shows the window normally and brings it to the front.
  void ShowMainWindow();

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;      // the hide path
  void OnCancel() override;  // the quit path
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

 private:
  void ExtendSystemMenu();
  // At the window's DPI; with `suggested`, where the system asks the window
  // to go after a change of DPI.
  void LayOutControls(const RECT* suggested);
  void ShowPictureAtSize(HWND picture, int width, int height);
  void SetSmallIcon();
  // True when a dialog of ours is open: it is brought to the front then.
  bool BringOpenDialogForward();
  // The buttons' commands, also reached from the tray menu.
  bool OnButton(WORD id);
  // The options sheet, then the settings applied anew.
  void OnOptions();
  // The shortcut keys and the registered messages (MainWindowInputs.cpp);
  // true for the messages it takes.
  bool OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMenuHotKey();
  void OnStowpouchMessage(WPARAM wParam, LPARAM lParam);
  void OnSystemHotKey(LPARAM lParam);
  // The tray icon's mouse messages and its menu's commands
  // (MainWindowTray.cpp).
  void OnTrayIcon(UINT mouseMessage);
  void OnTrayMenuCommand(UINT id);
  void OnTrayClickTimer();
  bool Confirm(UINT textId, int32_t& dontAskAgain);
  // The Exit command and an installer's close: any tracked menu and open
  // dialog are ended first, then the quit path runs, asking when `ask`.
  void RequestQuit(bool ask);
  // Whether a hotkey, a tray click or an outside program's request may run
  // its command now.
  bool TakesInputCommands() const;
  void ResumePendingQuit();
  // The quit path past its confirmation: settings saved, the dialog ended.
  void Quit();
  // At log-off or shutdown: what the teardown would have saved.
  void SaveForEndOfSession();
  void PaintMinimised();
  void EraseBackground(HDC dc);

  // Runs once after a click at the tray icon, when the double-click time
  // has passed without a second click.
  static constexpr UINT_PTR kTrayClickTimer = 1;

  // Application windows the user hid by hand.
  HiddenWindows m_hiddenWindows;
  // The pouch windows that Windows key + M minimised, for Windows key +
  // Shift + M to bring back; the function-command toggles keep their own.
  SavedPouchLists m_systemHotKeyLists;
  // The program's icons and the menu's pictures, loaded once.
  MenuArt m_art;
  // The picture stretched to the window's DPI; null at 96 dpi.
  UniqueGdiObject m_picture;
  // The pouch menu's style and the opening under way.
  PouchMenuHost m_pouchMenu;
  // True while a hide or quit confirmation is open: its modal loop still
  // dispatches the main window's messages (a posted WM_CLOSE, IDOK or
  // IDCANCEL), which must not stack a second confirmation on top.
  bool m_confirming = false;
  // Menu loops under way on this thread (a tracked menu sends its owner
  // WM_ENTERMENULOOP and WM_EXITMENULOOP).
  int m_menuLoops = 0;
  // An Exit command that waits for menus and dialogs to end.
  bool m_quitPending = false;
  bool m_tearingDown = false;
  // The tray icon's last left press was the second of a double click.
  bool m_trayDoubleClicked = false;
};
