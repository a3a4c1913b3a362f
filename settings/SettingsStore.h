#pragma once
// The process-wide settings record and its registry store under
// HKEY_CURRENT_USER\Software\Quarrelwood\Stowpouch.
#include "settings/SettingsRecord.h"

// The one record of the process, with its defaults until LoadSettings.
SettingsRecord& Settings();

// Reads every value that is present and fits; 0 when the key cannot be
// opened (the record keeps its values). The Netscape flag becomes 0.
int LoadSettings();
// Writes the window kinds and the user-defined application lists.
int SaveKindSettings();
// Writes the whole record.
int SaveSettings();
