#pragma once
// The shell's special folders: reading their paths and opening them.
#include <string>

// Reads a value of the user's "Shell Folders" key (such as "Desktop" or
// "AppData") into path; false, with path untouched, when the key or value
// is missing or the text does not fit MAX_PATH.
bool ReadShellFolderPath(const char* valueName, std::string& path);

// Opens a special folder (a CSIDL) in a shell window. 1 when it opened; 0
// when the shell does not know the folder or could not open it.
int OpenSpecialFolder(int csidl);

// Opens the Internet folder, or failing that runs the program registered to
// open ".htm" files.
void OpenWebBrowser();

// The user's desktop folder, read once at start-up; empty when it could not
// be read.
const std::string& DesktopFolderPath();
void SetDesktopFolderPath(const std::string& path);
