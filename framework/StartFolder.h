#pragma once
// The folder the program was started in. The program keeps its files there
// (the shortcut list) and finds its help pages there; a file dialog may
// change the current directory meanwhile, so the folder is taken once, at
// start-up, before any window exists.
#include <string>

// The help's start page, relative to the start folder.
constexpr char kHelpStartPage[] = ".\\help\\start_page.htm";

// Takes the current directory as the start folder.
void FixStartFolder();

// "<start folder>\<relative>"; just `relative` (the current directory's)
// until FixStartFolder has run.
std::string StartFolderPath(const char* relative);
