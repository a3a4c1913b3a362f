#include "menu/MenuRendering.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <optional>
#include <string>

#include "framework/AppWindow.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemCells.h"
#include "menu/MenuItemData.h"
#include "menu/MenuItemText.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

MenuMetrics g_metrics;
MenuMeasureState g_state;
bool g_tooLongAnswerNo = false;
// The look of the menu on screen, fixed by its first item: an answer to the
// too-long question changes the settings, and the menu still showing must
// not draw half its items in the new look.
std::optional<MenuLook> g_shownLook;
// The metrics wait for the next menu to take a changed look.
bool g_metricsStale = false;
bool g_haveMenuFont = false;
LOGFONTA g_menuFont{};
MenuIconSource g_iconSource = nullptr;

// One device context and one font measure every item of a menu: each new
// font is realised again on its first use, and each screen DC is a trip to
// the window server; either costs more than the measuring itself.
class MeasureContext {
 public:
  MeasureContext() : dc_(CreateCompatibleDC(nullptr)), font_(CreateMenuFont()) {
    if (dc_ && font_) selected_.emplace(dc_.Get(), font_.Get());
  }

  HDC Get() const { return dc_.Get(); }

 private:
  // Destroyed in reverse: the font is deselected before it and the DC go.
  UniqueMemoryDC dc_;
  UniqueGdiObject font_;
  std::optional<SelectedObject> selected_;
};

std::optional<MeasureContext> g_measure;

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;

const MenuItemData& RecordOf(ULONG_PTR itemData) {
  static const MenuItemData kEmpty{};
  return itemData ? *reinterpret_cast<const MenuItemData*>(itemData) : kEmpty;
}

// For an entry that opens a submenu the platform reports the submenu's
// handle as the identifier; the record knows the real one.
int32_t IdOf(UINT itemId, ULONG_PTR itemData) {
  return itemData ? RecordOf(itemData).nID : static_cast<int32_t>(itemId);
}

SIZE TabbedExtent(HDC dc, const std::string& text) {
  const DWORD extent =
      GetTabbedTextExtentA(dc, text.c_str(), static_cast<int>(text.size()), 0, nullptr);
  return {LOWORD(extent), HIWORD(extent)};
}

int HalfScreenWidth() { return GetSystemMetrics(SM_CXFULLSCREEN) / 2; }

RECT ToRect(const MenuRect& r) { return {r.left, r.top, r.right, r.bottom}; }
MenuRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HICON MainIcon(UINT resourceId, bool large) {
  return g_iconSource ? g_iconSource(resourceId, large) : nullptr;
}

// An icon for one drawing: the main window's own, a class's, or one the
// shell made for us, which is destroyed after the drawing.
struct ItemIcon {
  HICON icon = nullptr;
  UniqueIcon owned;
};

HICON ShellSmallIcon(const char* path, UINT extraFlags) {
  SHFILEINFOA info{};
  if (!SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | extraFlags))
    return nullptr;
  return info.hIcon;
}

HICON SpecialFolderSmallIcon(int csidl) {
  UniqueIdList folder;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, folder.Receive()))) return nullptr;
  return ShellSmallIcon(reinterpret_cast<const char*>(folder.Get()), SHGFI_PIDL);
}

// The icons of the window kinds, by WindowKind; a user-defined window's
// own class icon stands for it in the root menu.
constexpr UINT kKindIcons[] = {IDI_FOLDER, IDI_EXPLORER, IDI_BROWSER, IDI_BROWSER2,
                               IDI_APPLICATION_WINDOW};
constexpr int kUserDefinedKind = 4;

HICON WindowKindIcon(const MenuItemData& record, bool large) {
  if (record.nKind >= 0 && record.nKind < kUserDefinedKind)
    return MainIcon(kKindIcons[record.nKind], large);
  return reinterpret_cast<HICON>(GetClassLongPtrA(record.hWnd, large ? GCLP_HICON : GCLP_HICONSM));
}

void ChooseDesktopIcon(const MenuItemData& record, int32_t id, ItemIcon& chosen) {
  if (id == menu_id::kDesktopFolder) {
    chosen.icon = MainIcon(IDI_DESKTOP, false);
    return;
  }
  if (id == menu_id::kMyComputer) chosen.owned.Reset(SpecialFolderSmallIcon(CSIDL_DRIVES));
  else if (id == menu_id::kNetworkNeighborhood) chosen.owned.Reset(SpecialFolderSmallIcon(CSIDL_NETWORK));
  else if (id == menu_id::kRecycleBin) chosen.owned.Reset(SpecialFolderSmallIcon(CSIDL_BITBUCKET));
  else chosen.owned.Reset(ShellSmallIcon(record.szIconPath[0] ? record.szIconPath : record.szPath, 0));
  chosen.icon = chosen.owned.Get();
}

void ChooseIcon(const MenuItemData& record, int32_t id, const MenuLook& look, ItemIcon& chosen) {
  using namespace menu_id;
  const bool large = look.largeIcons;
  if (record.hWnd) {
    chosen.icon = WindowKindIcon(record, large);
  } else if (id == kDesktopEntry) {
    chosen.icon = MainIcon(IDI_DESKTOP, large);
  } else if (id == kCloseEntry) {
    chosen.icon = MainIcon(IDI_CLOSE, large);
  } else if (id == kMinimizeEntry) {
    chosen.icon = MainIcon(IDI_MINIMIZE, large);
  } else if (id == kFunctionEntry) {
    chosen.icon = MainIcon(IDI_COMMAND, large);
  } else if (IsDriveId(id)) {
    chosen.icon = MainIcon(IDI_DRIVE, large);
  } else if (id == kCloseAll) {
    chosen.icon = MainIcon(IDI_CLOSE, false);
  } else if (id > kCloseEntry && id < kCloseAll) {
    chosen.icon = KindIconForIndex(id - kCloseEntry);
  } else if (id == kMinimizeAll) {
    chosen.icon = MainIcon(IDI_MINIMIZE, false);
  } else if (id > kMinimizeEntry && id < kMinimizeAll) {
    chosen.icon = KindIconForIndex(id - kMinimizeEntry);
  } else if (look.icons && id >= kDesktopFolder && id < kDesktopItemFirst + kDesktopItemCount) {
    ChooseDesktopIcon(record, id, chosen);
  } else if (look.icons && id >= kFunctionItemFirst && id <= kFunctionItemLast) {
    chosen.icon = MainIcon(IDI_COMMAND, false);
  }
}

void DrawItemIcon(HDC dc, HICON icon, const MenuItemCells& cells, const MenuRect& item,
                  bool rootItem, const MenuLook& look) {
  if (!look.icons || !icon) return;
  if (rootItem && look.largeIcons)
    DrawIconEx(dc, cells.icon.left + 1, item.top, icon, kLargeIcon, kLargeIcon, 0, nullptr, DI_NORMAL);
  else
    DrawIconEx(dc, cells.icon.left + 1, item.top + 2, icon, kSmallIcon, kSmallIcon, 0, nullptr,
               DI_NORMAL);
}

void DrawDriveBar(HDC dc, const MenuItemData& record, const MenuRect& item) {
  const DriveBar bar =
      DriveBarFor(item, g_metrics, g_state.DriveBarLeft, record.nFreeMB, record.nTotalMB);
  if (!bar.shown) return;
  // The menu's device context may come with a null pen and the menu's own
  // brush (Wine's does), which would leave the bar without its outline.
  const SelectedObject pen(dc, GetStockObject(BLACK_PEN));
  const SelectedObject white(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, bar.frame.left, bar.frame.top, bar.frame.right, bar.frame.bottom);
  const SelectedObject grey(dc, GetStockObject(LTGRAY_BRUSH));
  Rectangle(dc, bar.free.left, bar.free.top, bar.free.right, bar.free.bottom);
}

void DrawItemText(HDC dc, const std::string& text, int32_t id, const MenuRect& textCell,
                  const MenuRect& item) {
  const MenuRect box = CentredTextBox(textCell, item, TabbedExtent(dc, text).cy);
  RECT rect = ToRect(box);
  constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;
  const ItemTextParts parts = SplitAtLastTab(text);
  if (!parts.hasKey) {
    char shown[MAX_PATH];
    lstrcpynA(shown, text.c_str(), sizeof shown);
    PathCompactPathA(dc, shown, static_cast<UINT>(box.Width() > 0 ? box.Width() : 0));
    DrawTextA(dc, shown, -1, &rect, kFormat);
    return;
  }
  DrawTextA(dc, parts.label.c_str(), -1, &rect, kFormat);
  const int keyWidth = menu_id::IsDriveId(id) ? g_state.KeyWidthDrives : g_state.KeyWidthOther;
  RECT keyRect = ToRect(KeyColumn(box, keyWidth));
  DrawTextA(dc, parts.key.c_str(), -1, &keyRect, kFormat);
}

void AskWhetherToUseSmallIcons() {
  switch (AppMessageBox(LoadResourceString(IDS_MENU_TOO_LONG),
                        MB_YESNOCANCEL | MB_ICONINFORMATION)) {
    case IDYES:
      // Takes effect with the next menu; the registry is written when the
      // settings are saved.
      Settings().DisplayMenuLargeIcon = 0;
      g_metricsStale = true;
      break;
    case IDNO:
      g_tooLongAnswerNo = true;
      break;
    default:
      break;
  }
}

void FinishLogoBand(HDC dc, const MenuRect& item, const MenuLook& look) {
  const UniqueGdiObject logo(
      LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MENU_LOGO)));
  if (look.logo && logo)
    DrawLogoBitmap(dc, 0, item.bottom, static_cast<HBITMAP>(logo.Get()));
  g_state.LogoDrawn = true;
  if (item.bottom > GetSystemMetrics(SM_CYFULLSCREEN) && look.largeIcons && !g_tooLongAnswerNo)
    AskWhetherToUseSmallIcons();
}

void PaintLogoBand(HDC dc, const MenuItemCells& cells, const MenuRect& item,
                   const MenuItemData* record, const MenuLook& look) {
  if (g_state.LogoDrawn) return;
  if (look.logo && !cells.logo.IsEmpty()) {
    const RECT band = ToRect(cells.logo);
    const COLORREF previous = SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
  }
  if (IsLastRootItem(record)) FinishLogoBand(dc, item, look);
}

HDC MeasureDC() {
  if (!g_measure) g_measure.emplace();
  return g_measure->Get();
}

void CaptureMenuFont(HDC dc) {
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  if (font && GetObjectA(font, sizeof g_menuFont, &g_menuFont) == sizeof g_menuFont)
    g_haveMenuFont = true;
}

}  // namespace

void SetMenuIconSource(MenuIconSource source) { g_iconSource = source; }

MenuLook CurrentMenuLook() {
  const SettingsRecord& settings = Settings();
  MenuLook look;
  look.icons = settings.DIsplayMenuIcons == 1;
  look.logo = settings.DisplayMenuLogo == 1;
  look.largeIcons = settings.DisplayMenuLargeIcon == 1;
  return look;
}

namespace {

// The look to measure and draw with.
MenuLook ShownLook() {
  if (!g_shownLook) g_shownLook = CurrentMenuLook();
  return *g_shownLook;
}

}  // namespace

void UpdateMenuMetrics() {
  g_metricsStale = false;
  const ScreenDC screen;
  const UniqueGdiObject font(CreateMenuFont());
  const SelectedObject selected(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), "fg", 2, &size);
  g_metrics = ApplyMenuLook(g_metrics, CurrentMenuLook(), size.cy);
}

const MenuMetrics& CurrentMenuMetrics() { return g_metrics; }

void ResetMenuDrawState() {
  g_state.Reset();
  g_measure.reset();
  g_shownLook.reset();
  if (g_metricsStale) UpdateMenuMetrics();
}

HFONT CreateMenuFont() { return g_haveMenuFont ? CreateFontIndirectA(&g_menuFont) : nullptr; }

void FreeMenuFont() {
  g_haveMenuFont = false;
  g_measure.reset();
}

void MeasureMenuItem(MEASUREITEMSTRUCT& request) {
  const MenuItemData& record = RecordOf(request.itemData);
  const int32_t id = IdOf(request.itemID, request.itemData);
  const MenuLook look = ShownLook();
  const HDC dc = MeasureDC();

  const std::string text = record.szText;
  const ItemTextParts parts = SplitAtLastTab(text);
  const int keyWidth = parts.hasKey ? TabbedExtent(dc, parts.key).cx : 0;
  NoteKeyWidth(g_state, menu_id::IsDriveId(id), keyWidth);

  const MenuItemPlace place = id == menu_id::kSeparator    ? MenuItemPlace::kSeparator
                              : menu_id::IsSubmenuItemId(id) ? MenuItemPlace::kSubmenu
                                                             : MenuItemPlace::kRoot;
  const MenuItemSize size = MeasureMenuItemSize(g_metrics, look, place,
                                                TabbedExtent(dc, text).cx, HalfScreenWidth());
  request.itemWidth = static_cast<UINT>(size.width);
  request.itemHeight = static_cast<UINT>(size.height);

  if (!record.hWnd && menu_id::IsDriveId(id)) {
    const std::string label = WithoutTrailingBlanks(parts.label);
    NoteDriveLabelWidth(g_state, g_metrics, look, TabbedExtent(dc, label).cx,
                        HalfScreenWidth());
  }
}

void DrawMenuItem(const DRAWITEMSTRUCT& request) {
  const HDC dc = request.hDC;
  if (!g_haveMenuFont) CaptureMenuFont(dc);
  const MenuItemData& record = RecordOf(request.itemData);
  const int32_t id = IdOf(request.itemID, request.itemData);
  const std::string text = WithoutTrailingBlanks(record.szText);
  if (!(request.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;

  const MenuLook look = ShownLook();
  const bool submenuItem = menu_id::IsSubmenuItemId(id);
  const MenuRect item = FromRect(request.rcItem);
  const MenuItemCells cells = ItemCells(item, g_metrics, look, submenuItem);
  PaintLogoBand(dc, cells, item, reinterpret_cast<const MenuItemData*>(request.itemData), look);

  const bool selected = (request.itemState & ODS_SELECTED) != 0;
  const COLORREF oldText =
      selected ? SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT)) : GetTextColor(dc);
  const COLORREF oldBack = selected ? SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT)) : GetBkColor(dc);
  const RECT background = ToRect(cells.background);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &background, nullptr, 0, nullptr);

  if (id == menu_id::kSeparator) {
    RECT edge = ToRect(SeparatorEdge(item, g_metrics));
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  } else {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawItemText(dc, text, id, cells.text, item);
    SetBkMode(dc, oldMode);
    ItemIcon icon;
    ChooseIcon(record, id, look, icon);
    if (!record.hWnd && menu_id::IsDriveId(id)) DrawDriveBar(dc, record, item);
    DrawItemIcon(dc, icon.icon, cells, item, !submenuItem, look);
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

void DrawLogoBitmap(HDC dc, int x, int bandHeight, HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return;
  const UniqueMemoryDC memory(CreateCompatibleDC(dc));
  if (!memory) return;
  const SelectedObject selected(memory.Get(), bitmap);
  BitBlt(dc, x, bandHeight - info.bmHeight, info.bmWidth, info.bmHeight, memory.Get(), 0, 0,
         SRCCOPY);
}

HICON KindIconForIndex(int i) {
  if (i < 1 || i > kUserDefinedKind + 1) return nullptr;
  return MainIcon(kKindIcons[i - 1], false);
}
