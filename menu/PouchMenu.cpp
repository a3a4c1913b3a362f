#include "menu/PouchMenu.h"

void ShowPouchMenu(int, int, int) {
  // The menu is built, drawn and tracked by the menu subsystem.
}
