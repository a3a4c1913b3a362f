#pragma once
// The pouch menu: built fresh from the settings, the live pouch, the drives
// and the desktop folder, tracked, carried out and torn down in one call.

// Opens the pouch menu for a launch surface (app/LaunchRequests.h) at a
// screen point; -1, -1 places it at the cursor. 1 when a menu was shown, 0
// when one was already open.
int ShowPouchMenu(int surface, int x, int y);
