#include "settings/SettingsRecord.h"

#define SETTINGS_NUMBER(field) \
  { #field, &SettingsRecord::field }

const SettingsNumber kKindNumbers[3] = {
    SETTINGS_NUMBER(Explorer),
    SETTINGS_NUMBER(IExplorer),
    SETTINGS_NUMBER(Folder),
};

const SettingsNumber kOptionNumbers[31] = {
    SETTINGS_NUMBER(QueryHide),
    SETTINGS_NUMBER(QueryQuit),
    SETTINGS_NUMBER(DisplayCloseAll),
    SETTINGS_NUMBER(DisplayMinimizeAll),
    SETTINGS_NUMBER(DisplayDrive),
    SETTINGS_NUMBER(DisplayFolderHistory),
    SETTINGS_NUMBER(MenuPosAppBar),
    SETTINGS_NUMBER(MenuPosStartButton),
    SETTINGS_NUMBER(MenuPosTray),
    SETTINGS_NUMBER(MenuPosHotKey),
    SETTINGS_NUMBER(IndexFunctionKey),
    SETTINGS_NUMBER(IndexVirtualKey),
    SETTINGS_NUMBER(SortMenuItem),
    SETTINGS_NUMBER(FunctionCommand),
    SETTINGS_NUMBER(DesktopIcon),
    SETTINGS_NUMBER(MenuPosDesktop),
    SETTINGS_NUMBER(MenuPosDesktopLeft),
    SETTINGS_NUMBER(MenuPosDesktopRight),
    SETTINGS_NUMBER(MenuPosDesktopTop),
    SETTINGS_NUMBER(MenuPosDesktopBottom),
    SETTINGS_NUMBER(DisplayCDROM),
    SETTINGS_NUMBER(DisplayFixed),
    SETTINGS_NUMBER(DisplayRemote),
    SETTINGS_NUMBER(DisplayRemovable),
    SETTINGS_NUMBER(DisplayHistoryFolder),
    SETTINGS_NUMBER(DisplayHistoryIExplorer),
    SETTINGS_NUMBER(DisplayMenuLargeIcon),
    SETTINGS_NUMBER(DIsplayMenuIcons),
    SETTINGS_NUMBER(DisplayMenuLogo),
    SETTINGS_NUMBER(Use256ColorsIcon),
    SETTINGS_NUMBER(HideStartup),
};

#undef SETTINGS_NUMBER

unsigned MenuHotKeyModifier(int32_t indexFunctionKey) {
  switch (indexFunctionKey) {
    case 1: return 2;  // MOD_CONTROL
    case 2: return 1;  // MOD_ALT
    // A value the program never writes falls back to the default rather
    // than registering the bare key, which would swallow it everywhere.
    default: return 8;  // MOD_WIN
  }
}
