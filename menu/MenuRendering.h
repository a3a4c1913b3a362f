#pragma once
// Measuring and painting the owner-drawn items of one opening of the pouch
// menu, and what the menu keeps from one opening to the next: the metrics
// that the settings decide, the font the menu draws with, the pictures, the
// drives' types, what the browser frames show and the user's No to the
// too-long question.
#include <windows.h>

#include <optional>
#include <string>

#include "framework/Handles.h"
#include "menu/DriveTypeCache.h"
#include "menu/MenuArt.h"
#include "menu/MenuLayout.h"
#include "menu/MenuItemData.h"
#include "windows/FrameContentCache.h"

// The three look switches as the settings record has them now.
MenuLook CurrentMenuLook();

class MenuStyle {
 public:
  explicit MenuStyle(const MenuArt& art);
  MenuStyle(const MenuStyle&) = delete;
  MenuStyle& operator=(const MenuStyle&) = delete;

  // Recomputes the metrics from the settings record; part of applying the
  // settings.
  void UpdateMetrics();
  // Before an opening: a look changed by the too-long question takes
  // effect.
  void RefreshIfStale();
  const MenuMetrics& Metrics() const { return metrics_; }
  const MenuArt& Art() const { return art_; }
  // The drives' types and what the browser frames show, kept from one
  // opening to the next.
  DriveTypeCache& DriveTypes() { return driveTypes_; }
  FrameContentCache& FrameContents() { return frameContents_; }

  // The menu's font at `dpi`: the system's menu font at that DPI, or where
  // the system cannot tell it, the one captured from the first item ever
  // drawn (null before). The caller owns the font.
  HFONT MakeFont(int dpi) const;
  void CaptureFont(HDC dc);

  // The too-long question, asked while the last root item is drawn.
  void AskWhetherToUseSmallIcons();
  bool TooLongAnswerNo() const { return tooLongAnswerNo_; }

 private:
  const MenuArt& art_;
  DriveTypeCache driveTypes_;
  FrameContentCache frameContents_;
  MenuMetrics metrics_;
  bool haveFont_ = false;
  LOGFONTA font_{};
  // Never asked again in this run once the user says No.
  bool tooLongAnswerNo_ = false;
  // The metrics wait for the next menu to take a changed look.
  bool metricsStale_ = false;
};

// One opening's measuring and drawing: its metrics and look (fixed for the
// menu on screen, whatever the too-long answer changes) at the DPI of the
// screen it opens on, the widths that measuring finds, and one device
// context and font that measure every item and draw it too (each new font
// is realised again on its first use, and each screen DC is a trip to the
// window server).
class MenuPainter {
 public:
  MenuPainter(MenuStyle& style, const MenuItemList& items, int dpi);
  MenuPainter(const MenuPainter&) = delete;
  MenuPainter& operator=(const MenuPainter&) = delete;

  // The font items are measured in; null: the default one.
  HFONT Font() const { return static_cast<HFONT>(font_.Get()); }
  const MenuMetrics& Metrics() const { return metrics_; }

  // WM_MEASUREITEM and WM_DRAWITEM of the menu's items.
  void Measure(MEASUREITEMSTRUCT& request);
  void Draw(const DRAWITEMSTRUCT& request);

 private:
  void PaintText(HDC dc, const std::string& text, int32_t id, const MenuRect& textCell,
                const MenuRect& item) const;
  void DrawDriveBar(HDC dc, const MenuItemData& record, const MenuRect& item) const;
  void PaintLogoBand(HDC dc, const MenuRect& logoCell, const MenuRect& item,
                     const MenuItemData* record, bool wholeItem);

  MenuStyle& style_;
  const MenuItemList& items_;
  const int dpi_;
  const MenuMetrics metrics_;
  const MenuLook look_;
  const int largeIconSize_;
  const int smallIconSize_;
  const int halfScreenWidth_;
  MenuMeasureState state_;
  int logoBottom_ = 0;  // where the logo's lower edge lies, once drawn
  // Destroyed in reverse: the font is deselected before it and the DC go.
  UniqueMemoryDC dc_;
  UniqueGdiObject font_;
  std::optional<SelectedObject> selected_;
};

// Copies the whole bitmap so that its lower edge meets `bandHeight`.
void DrawLogoBitmap(HDC dc, int x, int bandHeight, HBITMAP bitmap);
