#include "menu/MenuRendering.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string>

#include "common/DpiScale.h"
#include "framework/AppWindow.h"
#include "framework/Dpi.h"
#include "framework/Dialog.h"
#include "menu/MenuIds.h"
#include "menu/MenuLayout.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "windows/WindowKind.h"

namespace {

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

RECT ToRect(const MenuRect& r) { return {r.left, r.top, r.right, r.bottom}; }
MenuRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// --- the item's icon --------------------------------------------------------

// Where an item's icon comes from, by its identifier's range.
enum class IconSource {
  kArt,            // the program's icon, in the menu's size
  kSmallArt,       // the program's icon, small whatever the menu's size
  kKindArt,        // the small icon of the window kind (identifier - first)
  kWindow,         // the pouch window's kind, or its class's own icon
  kSpecialFolder,  // the shell's small icon of a special folder
  kDesktopFile,    // the shell's small icon of a desktop entry
};

struct ItemIconRule {
  int32_t first;
  int32_t last;
  IconSource source;
  int detail;  // the icon resource, or the special folder
};

constexpr int32_t kLastKind = static_cast<int32_t>(kWindowKindCount) - 1;

constexpr ItemIconRule kItemIcons[] = {
    {menu_id::kCloseEntry, menu_id::kCloseEntry, IconSource::kArt, IDI_CLOSE},
    {menu_id::kCloseKindFirst, menu_id::kCloseKindFirst + kLastKind, IconSource::kKindArt, 0},
    {menu_id::kCloseAll, menu_id::kCloseAll, IconSource::kSmallArt, IDI_CLOSE},
    {menu_id::kMinimizeEntry, menu_id::kMinimizeEntry, IconSource::kArt, IDI_MINIMIZE},
    {menu_id::kMinimizeKindFirst, menu_id::kMinimizeKindFirst + kLastKind, IconSource::kKindArt,
     0},
    {menu_id::kMinimizeAll, menu_id::kMinimizeAll, IconSource::kSmallArt, IDI_MINIMIZE},
    {menu_id::kDriveRangeFirst, menu_id::kDriveRangeLast, IconSource::kArt, IDI_DRIVE},
    {menu_id::kPouchWindowFirst, menu_id::kPouchWindowFirst + menu_id::kPouchWindowCount - 1,
     IconSource::kWindow, 0},
    {menu_id::kDesktopEntry, menu_id::kDesktopEntry, IconSource::kArt, IDI_DESKTOP},
    {menu_id::kDesktopFolder, menu_id::kDesktopFolder, IconSource::kSmallArt, IDI_DESKTOP},
    {menu_id::kMyComputer, menu_id::kMyComputer, IconSource::kSpecialFolder, CSIDL_DRIVES},
    {menu_id::kNetworkNeighborhood, menu_id::kNetworkNeighborhood, IconSource::kSpecialFolder,
     CSIDL_NETWORK},
    {menu_id::kRecycleBin, menu_id::kRecycleBin, IconSource::kSpecialFolder, CSIDL_BITBUCKET},
    {menu_id::kDesktopItemFirst, menu_id::kDesktopItemFirst + menu_id::kDesktopItemCount - 1,
     IconSource::kDesktopFile, 0},
    {menu_id::kFunctionEntry, menu_id::kFunctionEntry, IconSource::kArt, IDI_COMMAND},
    {menu_id::kFunctionItemFirst, menu_id::kFunctionItemLast, IconSource::kSmallArt, IDI_COMMAND},
};

// The icons of the window kinds, by WindowKind.
constexpr UINT kKindIcons[kWindowKindCount] = {IDI_FOLDER, IDI_EXPLORER, IDI_BROWSER,
                                               IDI_BROWSER2, IDI_APPLICATION_WINDOW};
constexpr int kUserDefinedKind = 4;

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

// An icon for one drawing: the program's own, a class's, or one the shell
// made for us, which is destroyed after the drawing.
struct ItemIcon {
  HICON icon = nullptr;
  UniqueIcon owned;

  void Own(HICON made) {
    owned.Reset(made);
    icon = made;
  }
};

// A user-defined window's own class icon stands for it in the root menu.
HICON WindowIcon(const MenuArt& art, const MenuItemData& record, bool large, int size) {
  if (record.nKind >= 0 && record.nKind < kUserDefinedKind)
    return art.IconOfSize(kKindIcons[record.nKind], size);
  return reinterpret_cast<HICON>(GetClassLongPtrA(record.hWnd, large ? GCLP_HICON : GCLP_HICONSM));
}

// The sizes icons are drawn in, the system's at the menu's DPI.
struct IconSizes {
  int large;
  int small;
};

void ChooseIcon(const MenuArt& art, const MenuItemData& record, int32_t id, bool large,
                const IconSizes& sizes, ItemIcon& chosen) {
  const int size = large ? sizes.large : sizes.small;
  for (const ItemIconRule& rule : kItemIcons) {
    if (id < rule.first || id > rule.last) continue;
    const UINT resource = static_cast<UINT>(rule.detail);
    switch (rule.source) {
      case IconSource::kArt: chosen.icon = art.IconOfSize(resource, size); break;
      case IconSource::kSmallArt: chosen.icon = art.IconOfSize(resource, sizes.small); break;
      case IconSource::kKindArt:
        chosen.icon = art.IconOfSize(kKindIcons[id - rule.first], sizes.small);
        break;
      case IconSource::kWindow:
        if (record.hWnd) chosen.icon = WindowIcon(art, record, large, size);
        break;
      case IconSource::kSpecialFolder: chosen.Own(SpecialFolderSmallIcon(rule.detail)); break;
      case IconSource::kDesktopFile:
        chosen.Own(ShellSmallIcon(record.szIconPath[0] ? record.szIconPath : record.szPath, 0));
        break;
    }
    return;
  }
}

void DrawItemIcon(HDC dc, HICON icon, const MenuItemCells& cells, const MenuRect& item,
                  bool rootItem, bool largeIcons, const IconSizes& sizes, int margin) {
  if (!icon) return;
  if (rootItem && largeIcons)
    DrawIconEx(dc, cells.icon.left + 1, item.top, icon, sizes.large, sizes.large, 0, nullptr,
               DI_NORMAL);
  else
    DrawIconEx(dc, cells.icon.left + 1, item.top + margin, icon, sizes.small, sizes.small, 0,
               nullptr, DI_NORMAL);
}

}  // namespace

// --- what outlives an opening -----------------------------------------------

namespace {

unsigned QueryDriveType(const char* root) { return GetDriveTypeA(root); }

}  // namespace

MenuStyle::MenuStyle(const MenuArt& art) : art_(art), driveTypes_(QueryDriveType) {}

MenuLook CurrentMenuLook() {
  const SettingsRecord& settings = Settings();
  MenuLook look;
  look.icons = settings.DIsplayMenuIcons == 1;
  look.logo = settings.DisplayMenuLogo == 1;
  look.largeIcons = settings.DisplayMenuLargeIcon == 1;
  return look;
}

void MenuStyle::UpdateMetrics() {
  metricsStale_ = false;
  // Measured at the DPI of the screen's device context, kept at 96 dpi: each
  // opening scales them to its own.
  const int dpi = SystemDpi();
  const ScreenDC screen;
  const UniqueGdiObject font(MakeFont(dpi));
  const SelectedObject selected(screen.Get(), font.Get());
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), "fg", 2, &size);
  metrics_ = ApplyMenuLook(metrics_, CurrentMenuLook(), MulDiv(size.cy, kDesignDpi, dpi));
}

void MenuStyle::RefreshIfStale() {
  if (metricsStale_) UpdateMetrics();
}

HFONT MenuStyle::MakeFont(int dpi) const {
  LOGFONTA font{};
  if (MenuFontForDpi(dpi, font)) return CreateFontIndirectA(&font);
  return haveFont_ ? CreateFontIndirectA(&font_) : nullptr;
}

void MenuStyle::CaptureFont(HDC dc) {
  if (haveFont_) return;
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  if (font && GetObjectA(font, sizeof font_, &font_) == sizeof font_) haveFont_ = true;
}

void MenuStyle::AskWhetherToUseSmallIcons() {
  if (tooLongAnswerNo_) return;
  switch (AppMessageBox(LoadResourceString(IDS_MENU_TOO_LONG),
                        MB_YESNOCANCEL | MB_ICONINFORMATION)) {
    case IDYES:
      // Takes effect with the next menu; the registry is written when the
      // settings are saved.
      Settings().DisplayMenuLargeIcon = 0;
      metricsStale_ = true;
      break;
    case IDNO:
      tooLongAnswerNo_ = true;
      break;
    default:
      break;
  }
}

// --- one opening ------------------------------------------------------------

namespace {

// A look changed by the too-long question takes effect with the next menu.
const MenuMetrics& FreshMetrics(MenuStyle& style) {
  style.RefreshIfStale();
  return style.Metrics();
}

}  // namespace

MenuPainter::MenuPainter(MenuStyle& style, const MenuItemList& items, int dpi)
    : style_(style),
      items_(items),
      dpi_(dpi),
      metrics_(ScaleMenuMetrics(FreshMetrics(style), dpi)),
      look_(CurrentMenuLook()),
      largeIconSize_(SystemMetricForDpi(SM_CXICON, dpi)),
      smallIconSize_(SystemMetricForDpi(SM_CXSMICON, dpi)),
      halfScreenWidth_(GetSystemMetrics(SM_CXFULLSCREEN) / 2),
      dc_(CreateCompatibleDC(nullptr)),
      font_(style.MakeFont(dpi)) {
  if (dc_ && font_) selected_.emplace(dc_.Get(), font_.Get());
}

void MenuPainter::Measure(MEASUREITEMSTRUCT& request) {
  const MenuItemData& record = RecordOf(request.itemData);
  const int32_t id = IdOf(request.itemID, request.itemData);
  const HDC dc = dc_.Get();

  const std::string text = record.szText;
  const ItemTextParts parts = SplitAtLastTab(text);
  const int keyWidth = parts.hasKey ? TabbedExtent(dc, parts.key).cx : 0;
  NoteKeyWidth(state_, menu_id::IsDriveId(id), keyWidth);

  const MenuItemPlace place = id == menu_id::kSeparator      ? MenuItemPlace::kSeparator
                              : menu_id::IsSubmenuItemId(id) ? MenuItemPlace::kSubmenu
                                                             : MenuItemPlace::kRoot;
  const MenuItemSize size = MeasureMenuItemSize(metrics_, look_, place,
                                                TabbedExtent(dc, text).cx, halfScreenWidth_);
  request.itemWidth = static_cast<UINT>(size.width);
  request.itemHeight = static_cast<UINT>(size.height);

  if (!record.hWnd && menu_id::IsDriveId(id)) {
    const std::string label = WithoutTrailingBlanks(parts.label);
    NoteDriveLabelWidth(state_, metrics_, look_, TabbedExtent(dc, label).cx, halfScreenWidth_);
  }
}

void MenuPainter::DrawDriveBar(HDC dc, const MenuItemData& record, const MenuRect& item) const {
  const DriveBar bar =
      DriveBarFor(item, metrics_, item.left + state_.DriveBarLeft, record.nFreeMB, record.nTotalMB);
  if (!bar.shown) return;
  // The menu's device context may come with a null pen and the menu's own
  // brush (Wine's does), which would leave the bar without its outline.
  const SelectedObject pen(dc, GetStockObject(BLACK_PEN));
  const SelectedObject white(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, bar.frame.left, bar.frame.top, bar.frame.right, bar.frame.bottom);
  const SelectedObject grey(dc, GetStockObject(LTGRAY_BRUSH));
  Rectangle(dc, bar.free.left, bar.free.top, bar.free.right, bar.free.bottom);
}

void MenuPainter::PaintText(HDC dc, const std::string& text, int32_t id, const MenuRect& textCell,
                           const MenuRect& item) const {
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
  const int keyWidth = menu_id::IsDriveId(id) ? state_.KeyWidthDrives : state_.KeyWidthOther;
  RECT keyRect = ToRect(KeyColumn(box, metrics_, keyWidth));
  DrawTextA(dc, parts.key.c_str(), -1, &keyRect, kFormat);
}

void MenuPainter::PaintLogoBand(HDC dc, const MenuRect& logoCell, const MenuRect& item,
                                const MenuItemData* record, bool wholeItem) {
  // Once finished, selection changes leave the band alone; an item drawn
  // whole again (the menu uncovered) gets its part of the band back, the
  // logo's slice included.
  if (state_.LogoDrawn && !wholeItem) return;
  const HBITMAP logo = look_.logo ? style_.Art().LogoAt(dpi_) : nullptr;
  if (look_.logo && !logoCell.IsEmpty()) {
    const RECT band = ToRect(logoCell);
    const COLORREF previous = SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
    if (state_.LogoDrawn && logo) {
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, band.left, band.top, band.right, band.bottom);
      DrawLogoBitmap(dc, 0, logoBottom_, logo);
      RestoreDC(dc, saved);
    }
  }
  if (state_.LogoDrawn || !items_.IsLastRootItem(record)) return;
  if (logo) DrawLogoBitmap(dc, 0, item.bottom, logo);
  logoBottom_ = item.bottom;
  state_.LogoDrawn = true;
  if (item.bottom > GetSystemMetrics(SM_CYFULLSCREEN) && look_.largeIcons)
    style_.AskWhetherToUseSmallIcons();
}

void MenuPainter::Draw(const DRAWITEMSTRUCT& request) {
  const HDC dc = request.hDC;
  style_.CaptureFont(dc);
  if (!(request.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  // Drawn in the font it was measured in, whatever the menu's DC holds.
  std::optional<SelectedObject> drawFont;
  if (font_) drawFont.emplace(dc, font_.Get());
  const MenuItemData& record = RecordOf(request.itemData);
  const int32_t id = IdOf(request.itemID, request.itemData);
  const std::string text = WithoutTrailingBlanks(record.szText);

  const bool submenuItem = menu_id::IsSubmenuItemId(id);
  const MenuRect item = FromRect(request.rcItem);
  const MenuItemCells cells = ItemCells(item, metrics_, look_, submenuItem);
  PaintLogoBand(dc, cells.logo, item, reinterpret_cast<const MenuItemData*>(request.itemData),
                (request.itemAction & ODA_DRAWENTIRE) != 0);

  const bool selected = (request.itemState & ODS_SELECTED) != 0;
  const COLORREF oldText =
      selected ? SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT)) : GetTextColor(dc);
  const COLORREF oldBack = selected ? SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT)) : GetBkColor(dc);
  const RECT background = ToRect(cells.background);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &background, nullptr, 0, nullptr);

  if (id == menu_id::kSeparator) {
    RECT edge = ToRect(SeparatorEdge(item, metrics_));
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  } else {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    PaintText(dc, text, id, cells.text, item);
    SetBkMode(dc, oldMode);
    if (!record.hWnd && menu_id::IsDriveId(id)) DrawDriveBar(dc, record, item);
    if (look_.icons) {
      ItemIcon icon;
      const IconSizes sizes{largeIconSize_, smallIconSize_};
      ChooseIcon(style_.Art(), record, id, look_.largeIcons, sizes, icon);
      DrawItemIcon(dc, icon.icon, cells, item, !submenuItem, look_.largeIcons, sizes,
                   metrics_.MenuMargin);
    }
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
