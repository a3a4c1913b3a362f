#pragma once
#include <string>

// Reads a value of the user's "Shell Folders" key (such as "Desktop" or
// "AppData") into path; false, with path untouched, when the key or value
// is missing or the text does not fit MAX_PATH.
bool ReadShellFolderPath(const char* valueName, std::string& path);
