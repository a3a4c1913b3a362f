#pragma once
// The pouch menu: one object per opening, built from the settings, the live
// pouch, the drives and the desktop folder, tracked, carried out and torn
// down, with everything it made, within one ShowPouchMenu call.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/Handles.h"
#include "menu/MenuItemData.h"
#include "menu/MenuRendering.h"
#include "menu/PouchMenuSections.h"

class PouchMenuHost;

class PouchMenu {
 public:
  // Measured and drawn at `dpi`, that of the screen it opens on.
  PouchMenu(MenuStyle& style, int dpi);
  PouchMenu(const PouchMenu&) = delete;
  PouchMenu& operator=(const PouchMenu&) = delete;

  // The sections the settings ask for; false when no root menu could be
  // made.
  bool Build();
  // Tracks the menu for the main window; the chosen identifier, 0 for none.
  UINT Track(int surface, int x, int y);
  void Execute(int32_t id);

  // WM_INITMENUPOPUP: a submenu that is about to open gets its items.
  void FillSubmenu(HMENU submenu);
  void Measure(MEASUREITEMSTRUCT& request) { painter_.Measure(request); }
  void Draw(const DRAWITEMSTRUCT& request) { painter_.Draw(request); }

  HMENU Root() const { return root_.Get(); }
  const MenuItemList& Items() const { return items_; }

 private:
  // A submenu whose entry is in the root and whose items are not yet made.
  struct PendingSubmenu {
    HMENU menu;
    int32_t entryId;
  };

  void AppendSubmenu(int32_t entryId, UINT nameId, bool separatorFirst);
  void FillPending(const PendingSubmenu& pending);
  void AppendDriveSection();
  void AppendPouchWindowSection(const PouchLists& lists, const PouchTitles& titles,
                                std::size_t total, bool sort);

  MenuStyle& style_;
  MenuItemList items_;
  MenuPainter painter_;
  KindCounts counts_{};
  std::vector<PendingSubmenu> pending_;
  // Destroyed first: the items point at the records. Destroying the root
  // destroys the submenus attached to it.
  UniqueMenu root_;
};

// What the main window keeps for its pouch menus: their style, which
// outlives each opening, and the opening under way, which takes the menu's
// messages.
class PouchMenuHost {
 public:
  explicit PouchMenuHost(const MenuArt& art) : style_(art) {}
  PouchMenuHost(const PouchMenuHost&) = delete;
  PouchMenuHost& operator=(const PouchMenuHost&) = delete;

  MenuStyle& Style() { return style_; }
  // The opening under way; null between menus.
  const PouchMenu* Open() const { return open_; }

  // WM_MEASUREITEM, WM_DRAWITEM, WM_INITMENUPOPUP and WM_MENUCHAR of the
  // pouch menu; false for any other message, and while no menu is open.
  bool OnMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  friend int ShowPouchMenu(PouchMenuHost& host, int surface, int x, int y);

  MenuStyle style_;
  PouchMenu* open_ = nullptr;
};

// Opens the pouch menu for a launch surface (menu/LaunchSurface.h) at a
// screen point; -1, -1 places it at the cursor. 1 when a menu was shown, 0
// when one was already open.
int ShowPouchMenu(PouchMenuHost& host, int surface, int x, int y);
