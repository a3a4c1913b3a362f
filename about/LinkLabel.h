#pragma once
// A dialog's static text made into a link: underlined, coloured (normal,
// hover, visited), sized to its text, a hand cursor and a tooltip naming
// the target. A click opens the target with OpenLink.
//
// The parent dialog reflects two things to it: WM_CTLCOLORSTATIC for the
// control (CtlColor) and its STN_CLICKED (OnClicked).
#include <windows.h>

#include <string>

#include "framework/Handles.h"

class CLinkLabel {
 public:
  CLinkLabel() = default;
  ~CLinkLabel();
  CLinkLabel(const CLinkLabel&) = delete;
  CLinkLabel& operator=(const CLinkLabel&) = delete;

  // Takes over the static `control` of a dialog. An empty target becomes
  // the static's text; an empty text shows the target.
  bool Attach(HWND control);
  HWND Handle() const { return m_hWnd; }

  const std::string& Target() const { return m_target; }
  // Also renames the tooltip and, once attached, fits the size to the text.
  void SetTarget(const std::string& target);
  bool Visited() const { return m_visited; }
  void SetVisited(bool visited);

  // The parent's WM_CTLCOLORSTATIC for this control.
  HBRUSH CtlColor(HDC dc) const;
  // The parent's STN_CLICKED from this control.
  void OnClicked();

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouseMove(LPARAM point);
  void SetOver(bool over);
  void Redraw() const;
  RECT AreaInParent() const;
  void UnderlineFont();
  void AdjustSize();
  void CreateTooltip();
  void UpdateTooltip();
  void SetDefaultCursor();
  void Detach();

  HWND m_hWnd = nullptr;
  std::string m_target;
  COLORREF m_normalColour = RGB(0, 0, 238);
  COLORREF m_visitedColour = RGB(85, 26, 139);
  COLORREF m_hoverColour = RGB(255, 92, 0);
  bool m_over = false;
  bool m_visited = false;
  bool m_underline = true;
  bool m_adjustToFit = true;
  UniqueGdiObject m_font;
  HCURSOR m_cursor = nullptr;  // m_ownedCursor, or a shared system cursor
  UniqueIcon m_ownedCursor;
  UniqueWindow m_tooltip;
};
