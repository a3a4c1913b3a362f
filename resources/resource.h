// Resource identifiers of Stowpouch.exe. Other parts of the program and the
// tests refer to these numbers, so they never change.
#pragma once

// Dialog templates.
#define IDD_STOWPOUCH_DIALOG 102
#define IDD_INFORMATION 143

// Strings.
#define IDS_ABOUTBOX 101
#define IDS_OPTION_CAPTION 102
#define IDS_CLASS_BROWSER 103
#define IDS_CLASS_FOLDER 104
#define IDS_CLASS_EXPLORER 105
#define IDS_CLASS_NETSCAPE 106
#define IDS_TRAY_TIP 107
#define IDS_CLOSE_ALL 108
#define IDS_MINIMIZE_ALL 109
#define IDS_QUERY_HIDE 110
#define IDS_QUERY_QUIT 111
#define IDS_MENU_TOO_LONG 112
#define IDS_DESKTOP_ICONS 113
#define IDS_CLOSE 114
#define IDS_MINIMIZE 115
#define IDS_KIND_FOLDER 116
#define IDS_KIND_EXPLORER 117
#define IDS_KIND_INTERNET_EXPLORER 118
#define IDS_KIND_NETSCAPE 119
#define IDS_KIND_USER_DEFINED 120
#define IDS_SELECT_SEPARATOR 128
#define IDS_FUNCTION_COMMAND 129

// Icons.
#define IDR_MAINFRAME 128
#define IDI_EXPLORER 131
#define IDI_FOLDER_WINDOW 132
#define IDI_BROWSER 134
#define IDI_BROWSER2 135
#define IDI_DRIVE 145
#define IDI_MINIMIZE 146
#define IDI_CLOSE 147
#define IDI_APPLICATION_WINDOW 150
#define IDI_FOLDER 152
#define IDI_DESKTOP 153
#define IDI_COMMAND 160

// Bitmaps.
#define IDB_MENU_LOGO 144
#define IDB_PICTURE 168

// Controls of the main window.
#define IDC_OPTIONS 1002
#define IDC_SHOW_HIDE_WINDOW 1013
#define IDC_ARRANGE_TASKBAR 1022
#define IDC_EXIT 1028
#define IDC_HELP_PAGE 1060
#define IDC_SET_SHORTCUT_KEY 1063
#define IDC_PICTURE 1085
#define IDC_ABOUT 16

// Controls of the information dialog.
#define IDC_INFORMATION_TEXT 1036
#define IDC_DONT_SHOW_AGAIN 1037

// The tray icon's menu and its commands.
#define IDR_TRAY_MENU 151
#define ID_TRAY_SHOW 32771
#define ID_TRAY_OPTIONS 32773
#define ID_TRAY_SHOW_HIDE_WINDOWS 32774
#define ID_TRAY_ARRANGE_TASKBAR 32775
#define ID_TRAY_HIDE 32776
#define ID_TRAY_SET_SHORTCUT_KEY 32777

// System menu command of the About item.
#define IDM_ABOUTBOX 16
