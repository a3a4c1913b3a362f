#pragma once
// The options sheet: the "Select Hide Application" and "Display" pages over
// the settings record. The caller applies the record when it returns.
#include <windows.h>

#include "settings/DisplayOptionPage.h"
#include "settings/SelectApplicationPage.h"

// Runs the sheet modally, owned by `owner`; `picker` is what the Add button
// of the first page asks for an application window, `refusal` what the
// Display page asks about the menu hotkey's combination.
void RunOptionsSheet(HWND owner, ApplicationPicker picker, HotKeyRefusal refusal = nullptr);
