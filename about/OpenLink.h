#pragma once
#include <windows.h>

// Opens a web address, "mailto:" address or file with the shell; when the
// shell cannot, starts the program that opens web pages with it. Returns
// the result of the last call made: above 32 means it opened.
INT_PTR OpenLink(const char* target, int showCommand);
