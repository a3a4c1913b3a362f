#include "app/StowpouchDlg.h"

#include <shlobj.h>

#include <cstdint>
#include <iterator>

#include "about/AboutBoxDlg.h"
#include "about/OpenLink.h"
#include "app/AppState.h"
#include "app/ApplySettings.h"
#include "app/CommandLine.h"
#include "app/InformationDialog.h"
#include "app/LaunchRequests.h"
#include "app/MainWindowLayout.h"
#include "app/MenuHotKey.h"
#include "app/SingleInstance.h"
#include "app/TaskbarButtons.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "common/DpiScale.h"
#include "framework/Dpi.h"
#include "framework/StartFolder.h"
#include "framework/WinApp.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeys.h"
#include "hotkeys/SetHotKeyDialog.h"
#include "menu/DiskFreeSpace.h"
#include "menu/FunctionCommands.h"
#include "menu/PouchMenu.h"
#include "resources/resource.h"
#include "settings/OptionsSheet.h"
#include "settings/SettingsStore.h"
#include "windows/ArrangeTaskbarDialog.h"
#include "windows/ClassNames.h"
#include "windows/SelectContainedAppDialog.h"
#include "windows/ShellFolders.h"
#include "windows/ShowHideWindowDialog.h"
#include "windows/WindowCommands.h"

namespace {

// A quit request posted to itself: wParam 1 asks first (the Exit command),
// 0 does not (an installer's close).
constexpr UINT kQuitRequestMessage = WM_APP + 1;

// Asks every dialog of this thread to cancel: message boxes, the shell's
// dialogs and the property sheet are all of the dialog class.
BOOL CALLBACK CancelDialog(HWND window, LPARAM mainWindow) {
  char className[8] = "";
  GetClassNameA(window, className, sizeof className);
  if (window != reinterpret_cast<HWND>(mainWindow) && IsWindowVisible(window) &&
      lstrcmpA(className, "#32770") == 0)
    PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

constexpr int kLargeIconSize = 64;

void MoveControl(HWND dialog, int id, int x, int y) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CStowpouchDlg::CStowpouchDlg()
    : CDialog(IDD_STOWPOUCH_DIALOG),
      // Sixteen colours unless the settings ask for the icons' full depth.
      m_art(AppInstance(), Settings().Use256ColorsIcon == 1),
      m_pouchMenu(m_art) {
  RegisterAppMessages();
  LoadBuiltInClassNames();
  TheMenuHotKey().Forget();
  LookUpDiskFreeSpaceEx();
}

void CStowpouchDlg::DoDataExchange(CDataExchange*) {}

BOOL CStowpouchDlg::OnInitDialog() {
  // The first load request switches Graftling's taskbar filter on.
  ToggleTaskbarFilter();
  CDialog::OnInitDialog();
  ExtendSystemMenu();
  LayOutControls(nullptr);
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(m_art.Icon(IDR_MAINFRAME, true)));
  SetSmallIcon();
  SetMainWindow(m_hWnd);
  // Windows hidden by a run that did not end cleanly are still ours to show.
  m_hiddenWindows.Load();
  TheTaskbarButtons().Load();

  std::string desktop;
  if (ReadShellFolderPath("Desktop", desktop)) SetDesktopFolderPath(desktop);

  ApplySettings(m_pouchMenu.Style());
  // Every shortcut names this window when it registers.
  LoadHotKeyList();

  if (IsHideOption(CWinApp::Current()->m_lpCmdLine) && Settings().HideStartup == 1)
    PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
  SingleInstance::AnnounceMainWindow();
  return TRUE;
}

void CStowpouchDlg::ExtendSystemMenu() {
  const HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
  const std::string about = LoadResourceString(IDS_ABOUTBOX);
  if (!systemMenu || about.empty()) return;
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
}

void CStowpouchDlg::LayOutControls(const RECT* suggested) {
  const MainWindowLayout layout = MainWindowLayoutFor(WindowDpi(m_hWnd));
  if (suggested)
    SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, layout.width, layout.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  else
    SetWindowPos(m_hWnd, nullptr, 0, 0, layout.width, layout.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND picture = GetDlgItem(IDC_PICTURE);
  SetWindowPos(picture, nullptr, layout.picture.x, layout.picture.y, layout.picture.width,
               layout.picture.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowPictureAtSize(picture, layout.picture.width, layout.picture.height);
  for (const ButtonPlace& place : layout.buttons) MoveControl(m_hWnd, place.id, place.x, place.y);
}

void CStowpouchDlg::SetSmallIcon() {
  // The caption's and the tray's icon, at the small icon size of the
  // window's DPI.
  const int size = SystemMetricForDpi(SM_CXSMICON, WindowDpi(m_hWnd));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(m_art.IconOfSize(IDR_MAINFRAME, size)));
}

void CStowpouchDlg::ShowPictureAtSize(HWND picture, int width, int height) {
  // The template's bitmap is drawn as it is at 96 dpi, without a second
  // load at every start; at any other DPI a smooth copy of its size takes
  // its place.
  const LayoutRect design = MainWindowLayoutFor(kDesignDpi).picture;
  if (!m_picture && width == design.width && height == design.height) return;
  const UniqueGdiObject original(LoadBitmapA(AppInstance(), MAKEINTRESOURCEA(IDB_PICTURE)));
  if (!original) return;
  UniqueGdiObject stretched(
      StretchedBitmap(static_cast<HBITMAP>(original.Get()), width, height));
  if (!stretched) return;
  const HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(SendMessageA(
      picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stretched.Get())));
  // The control hands back the bitmap it showed: the template's, which it
  // loaded itself and does not free, or our previous copy.
  if (previous && previous != m_picture.Get()) DeleteObject(previous);
  m_picture = std::move(stretched);
}

void CStowpouchDlg::ShowMainWindow() { ::ShowMainWindow(m_hWnd); }

bool CStowpouchDlg::Confirm(UINT textId, int32_t& dontAskAgain) {
  CInformationDialog dialog(m_hWnd);
  dialog.m_message = LoadResourceString(textId);
  m_confirming = true;
  const INT_PTR answer = dialog.DoModal();
  m_confirming = false;
  if (answer != IDOK) return false;
  dontAskAgain = dialog.m_dontShowAgain;
  return true;
}

void CStowpouchDlg::OnOK() {
  if (m_confirming) return;
  SettingsRecord& settings = Settings();
  if (settings.QueryHide == 0 && !Confirm(IDS_QUERY_HIDE, settings.QueryHide)) return;
  SaveSettings();
  ShowWindow(m_hWnd, SW_HIDE);
}

void CStowpouchDlg::OnCancel() {
  if (m_confirming) return;
  SettingsRecord& settings = Settings();
  if (settings.QueryQuit == 0 && !Confirm(IDS_QUERY_QUIT, settings.QueryQuit)) return;
  Quit();
}

void CStowpouchDlg::RequestQuit(bool ask) {
  if (ask && m_confirming) return;  // the quit path is asking already
  // Every menu and dialog loop runs inside this window's, which ends only
  // once they have: they are ended first.
  const bool nested = m_menuLoops > 0 || !IsWindowEnabled(m_hWnd);
  if (nested) {
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, reinterpret_cast<LPARAM>(m_hWnd));
  }
  if (!ask) {
    Quit();
  } else if (nested) {
    // The confirmation waits until the menu's and the dialogs' loops are
    // gone (WM_EXITMENULOOP, WM_ENABLE).
    m_quitPending = true;
  } else {
    m_quitPending = false;
    OnCancel();
  }
}

void CStowpouchDlg::ResumePendingQuit() {
  if (m_quitPending && m_menuLoops == 0 && IsWindowEnabled(m_hWnd))
    PostMessageA(m_hWnd, kQuitRequestMessage, 1, 0);
}

void CStowpouchDlg::Quit() {
  SaveSettings();
  EndDialog(IDCANCEL);
}

bool CStowpouchDlg::OnCommand(WORD id, WORD code, HWND) {
  return code == BN_CLICKED && OnButton(id);
}

bool CStowpouchDlg::BringOpenDialogForward() {
  // A dialog of ours is open (it disables this window) and the tray menu
  // asks for something else: bring back the open one instead of stacking a
  // second over it.
  if (IsWindowEnabled(m_hWnd)) return false;
  const HWND open = GetLastActivePopup(m_hWnd);
  if (open != m_hWnd) SetForegroundWindow(open);
  return true;
}

bool CStowpouchDlg::OnButton(WORD id) {
  if (id == IDC_EXIT) {
    RequestQuit(true);
    return true;
  }
  if (BringOpenDialogForward()) return true;
  switch (id) {
    case IDC_ARRANGE_TASKBAR:
      RunArrangeTaskbarCommand(m_hWnd);
      return true;
    case IDC_OPTIONS:
      OnOptions();
      return true;
    case IDC_SHOW_HIDE_WINDOW:
      RunShowHideWindowCommand(m_hWnd, m_hiddenWindows);
      return true;
    case IDC_SET_SHORTCUT_KEY:
      RunSetHotKeyCommand(m_hWnd);
      return true;
    case IDC_ABOUT:
      CAboutBoxDlg(m_hWnd).DoModal();
      return true;
    case IDC_HELP_PAGE:
      // Nothing to tell when the page does not open.
      OpenLink(StartFolderPath(kHelpStartPage).c_str(), SW_SHOWNORMAL);
      return true;
    default:
      return false;
  }
}

bool CStowpouchDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (m_pouchMenu.OnMenuMessage(message, wParam, lParam, result)) return true;
  if (OnInputMessage(message, wParam, lParam)) return false;
  switch (message) {
    case kTrayCallbackMessage:
      if (TakesInputCommands()) OnTrayIcon(static_cast<UINT>(lParam));
      result = 0;
      return true;
    case WM_PAINT:
      if (!IsIconic(m_hWnd)) return false;
      PaintMinimised();
      result = 0;
      return true;
    case WM_DPICHANGED:
      // Moved to a screen of another DPI: the system suggests where the
      // window goes; the figures follow the new DPI.
      LayOutControls(reinterpret_cast<const RECT*>(lParam));
      SetSmallIcon();
      result = 0;
      return true;
    case WM_DEVICECHANGE:
      // A drive came or went, or changed its kind: the menu asks afresh.
      m_pouchMenu.Style().DriveTypes().Forget();
      return false;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(m_art.Icon(IDR_MAINFRAME, true));
      return true;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      result = TRUE;
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
      OnButton(IDC_ABOUT);
      result = 0;
      return true;
    case WM_QUERYENDSESSION:
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      // An installer that must replace our files asks with ENDSESSION_CLOSEAPP
      // and waits for the process to end: the full teardown runs then, so the
      // tray icon and the filter go too; nobody is there to confirm.
      if (wParam && (lParam & ENDSESSION_CLOSEAPP))
        PostMessageA(m_hWnd, kQuitRequestMessage, 0, 0);
      else if (wParam)
        SaveForEndOfSession();
      result = 0;
      return true;
    case kTaskbarWindowEventMessage:
      if (lParam == kStoreTakenWindows)
        TheTaskbarButtons().StoreQueued();
      else if (TakesInputCommands())
        TheTaskbarButtons().OnWindowEvent(reinterpret_cast<HWND>(wParam),
                                          lParam == kWindowAppeared);
      result = 0;
      return true;
    case kQuitRequestMessage:
      RequestQuit(wParam != 0);
      result = 0;
      return true;
    case WM_ENTERMENULOOP:
      ++m_menuLoops;
      return false;
    case WM_EXITMENULOOP:
      if (m_menuLoops > 0) --m_menuLoops;
      ResumePendingQuit();
      return false;
    case WM_ENABLE:
      if (wParam) ResumePendingQuit();
      return false;
    case WM_TIMER:
      if (wParam != kTrayClickTimer) return false;
      OnTrayClickTimer();
      result = 0;
      return true;
    default:
      return false;
  }
}

void CStowpouchDlg::SaveForEndOfSession() {
  // The system ends the process once this returns, with no teardown; and
  // nobody is there to answer a message box.
  SaveSettings();
  SaveHotKeyList(SaveFailureNotice::kQuiet);
}

void CStowpouchDlg::PaintMinimised() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(m_hWnd, &paint);
  SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - client.left - kLargeIconSize + 1) / 2;
  const int y = (client.bottom - client.top - kLargeIconSize + 1) / 2;
  DrawIconEx(dc, x, y, m_art.Icon(IDR_MAINFRAME, true), kLargeIconSize, kLargeIconSize, 0, nullptr,
             DI_NORMAL);
  EndPaint(m_hWnd, &paint);
}

void CStowpouchDlg::EraseBackground(HDC dc) {
  // The rectangle reaches past the client area so that its outline never
  // shows.
  RECT client;
  GetClientRect(m_hWnd, &client);
  const SelectedObject brush(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, client.left - 10, client.top - 10, client.right + 10, client.bottom + 10);
}

bool CStowpouchDlg::TakesInputCommands() const {
  // The teardown frees what the commands use, and its drains still
  // dispatch what is queued.
  return !m_tearingDown;
}

void CStowpouchDlg::OnOptions() {
  // While the sheet is open the menu hotkey's keys belong to its hot key
  // box like any other keys.
  TheMenuHotKey().Unregister(m_hWnd);
  RunOptionsSheet(m_hWnd, PickContainedApplication, MenuHotKeyRefusal);
  ApplySettings(m_pouchMenu.Style());
  SetForegroundWindow(m_hWnd);
}

void CStowpouchDlg::OnDestroy() {
  // Every input source stops first: the drains below would otherwise run a
  // queued hotkey or click on a window being destroyed.
  m_tearingDown = true;
  KillTimer(m_hWnd, kTrayClickTimer);
  TheMenuHotKey().Unregister(m_hWnd);
  if (Settings().MenuPosTray == 1) DeleteTrayIcon(m_hWnd);
  StopOutsideComponents();
  FreeHotKeyList();
  // The second load request switches the taskbar filter off again.
  ToggleTaskbarFilter();
  m_hiddenWindows.ShowAllAgain();
  RestoreTaskbarButtons();
}
