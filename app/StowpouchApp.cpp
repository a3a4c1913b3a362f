#include "app/StowpouchApp.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/AppState.h"
#include "app/CommandLine.h"
#include "common/SharedNames.h"
#include "app/SingleInstance.h"
#include "app/StowpouchDlg.h"
#include "framework/Handles.h"
#include "framework/StartFolder.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

CStowpouchApp theApp;

// The main dialog's template names this class: that is how a second copy
// and the outside programs find the main window.
void RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
  windowClass.lpfnWndProc = DefDlgProcA;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1);
  windowClass.lpszClassName = STOWPOUCH_WINDOW_CLASS;
  RegisterClassA(&windowClass);
}

// The dialogs of the program hold hot key boxes, spin buttons, list views
// and tabs, whose classes the common controls library registers on request.
void InitCommonControlClasses() {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_HOTKEY_CLASS | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES;
  InitCommonControlsEx(&classes);
}

// The main window of a copy that already runs on this desktop.
HWND RunningCopy() { return FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr); }

// Generous: the copy saves its list and settings and shows again every
// window it hid before it ends.
constexpr UINT kCloseTimeoutMs = 15000;

// Asks the running copy to end as the system's Restart Manager asks a
// program whose files an installer must replace, and waits until it has.
void CloseRunningCopy() {
  const HWND running = RunningCopy();
  if (!running) return;
  DWORD processId = 0;
  GetWindowThreadProcessId(running, &processId);
  // Opened before asking, so that the id cannot name another process by then.
  const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(running, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                      kCloseTimeoutMs, &answer);
  SendMessageTimeoutA(running, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                      kCloseTimeoutMs, &answer);
  if (process) WaitForSingleObject(process.Get(), kCloseTimeoutMs);
}

}  // namespace

BOOL CStowpouchApp::InitApplication() {
  RegisterMainWindowClass(m_hInstance);
  return CWinApp::InitApplication();
}

BOOL CStowpouchApp::InitInstance() {
  if (IsCloseOption(m_lpCmdLine)) {
    CloseRunningCopy();
    return FALSE;
  }
  // Held until the process ends.
  SingleInstance instance;
  HWND running = nullptr;
  if (!instance.Claim(running)) {
    if (running) ShowMainWindow(running);
    return FALSE;
  }
  // Before any window: a file dialog may move the current directory later.
  FixStartFolder();

  CoInitialize(nullptr);
  // With no foreground lock the program may take the foreground whenever
  // its menus and windows need it.
  DWORD savedLockTimeout = 0;
  SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &savedLockTimeout, SPIF_SENDCHANGE);
  SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);

  InitCommonControlClasses();

  // The main window's icons depend on the settings, so they come first.
  LoadSettings();
  {
    CStowpouchDlg mainWindow;
    mainWindow.DoModal();
  }

  SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                        reinterpret_cast<void*>(static_cast<UINT_PTR>(savedLockTimeout)),
                        SPIF_SENDCHANGE);
  CoUninitialize();
  return FALSE;
}
