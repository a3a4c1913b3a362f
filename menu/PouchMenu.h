#pragma once

// Opens the pouch menu for a launch surface (app/LaunchRequests.h) at a
// screen point; -1, -1 places it at the cursor.
void ShowPouchMenu(int surface, int x, int y);
