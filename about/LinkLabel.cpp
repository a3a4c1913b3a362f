#include "about/LinkLabel.h"

#include <commctrl.h>
#include <windowsx.h>


#include "about/LinkText.h"
#include "about/OpenLink.h"
#include "framework/AppWindow.h"
#include "framework/Controls.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kToolId = 1;
// The pointing hand among the system help program's cursors.
constexpr WORD kHelpHandCursor = 106;

// The help program's hand, copied so that the library can go; null when
// either is missing, as on every system since help files changed format.
HCURSOR CopyHelpHandCursor() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder) + "\\winhlp32.exe";
  const UniqueModule help(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!help) return nullptr;
  const HCURSOR hand = LoadCursorA(help.Get(), MAKEINTRESOURCEA(kHelpHandCursor));
  return hand ? CopyCursor(hand) : nullptr;
}

TOOLINFOA ToolOf(HWND control) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = control;
  tool.uId = kToolId;
  return tool;
}

}  // namespace

CLinkLabel::~CLinkLabel() { Detach(); }

bool CLinkLabel::Attach(HWND control) {
  if (m_hWnd || !control ||
      !SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  m_hWnd = control;
  SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | SS_NOTIFY);
  const std::string text = ControlText(control);
  if (m_target.empty()) m_target = text;
  if (text.empty()) SetWindowTextA(control, m_target.c_str());
  UnderlineFont();
  AdjustSize();
  SetDefaultCursor();
  CreateTooltip();
  return true;
}

void CLinkLabel::SetTarget(const std::string& target) {
  m_target = target;
  if (!m_hWnd) return;
  AdjustSize();
  UpdateTooltip();
}

void CLinkLabel::SetVisited(bool visited) {
  m_visited = visited;
  Redraw();
}

HBRUSH CLinkLabel::CtlColor(HDC dc) const {
  SetTextColor(dc, m_over ? m_hoverColour : m_visited ? m_visitedColour : m_normalColour);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

void CLinkLabel::OnClicked() {
  SetOver(false);
  const INT_PTR result = OpenLink(m_target.c_str(), SW_SHOW);
  if (result > HINSTANCE_ERROR) {
    SetVisited(true);
    return;
  }
  MessageBeep(MB_ICONEXCLAMATION);
  AppMessageBox(HyperlinkErrorText(result), MB_OK | MB_ICONEXCLAMATION);
}

LRESULT CALLBACK CLinkLabel::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    reinterpret_cast<CLinkLabel*>(self)->Detach();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return reinterpret_cast<CLinkLabel*>(self)->WindowProc(message, wParam, lParam);
}

LRESULT CLinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && m_tooltip) {
    MSG relayed{m_hWnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    relayed.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    SendMessageA(m_tooltip.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      break;
    case WM_CAPTURECHANGED:
      // Someone else took the mouse (a menu, a message box): we no longer
      // hear when the pointer leaves.
      if (reinterpret_cast<HWND>(lParam) != m_hWnd) SetOver(false);
      break;
    case WM_SETCURSOR:
      if (m_cursor) {
        SetCursor(m_cursor);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

void CLinkLabel::OnMouseMove(LPARAM point) {
  if (!m_over) {
    m_over = true;
    Redraw();
    SetCapture(m_hWnd);
    return;
  }
  RECT client{};
  GetClientRect(m_hWnd, &client);
  const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  if (!PtInRect(&client, at)) SetOver(false);
}

void CLinkLabel::SetOver(bool over) {
  if (m_over == over) return;
  m_over = over;
  if (!over && GetCapture() == m_hWnd) ReleaseCapture();
  Redraw();
}

// The text is drawn transparently, so the parent's background under it is
// painted again first, or the colours would pile up at the glyphs' edges.
void CLinkLabel::Redraw() const {
  if (!m_hWnd) return;
  const RECT area = AreaInParent();
  RedrawWindow(GetParent(m_hWnd), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CLinkLabel::UnderlineFont() {
  const HFONT current = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  LOGFONTA description{};
  if (!GetObjectA(current ? static_cast<HGDIOBJ>(current) : GetStockObject(DEFAULT_GUI_FONT),
                  sizeof description, &description))
    return;
  description.lfUnderline = m_underline ? TRUE : FALSE;
  UniqueGdiObject font(CreateFontIndirectA(&description));
  if (!font) return;
  SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  m_font = std::move(font);
}

RECT CLinkLabel::AreaInParent() const {
  RECT area{};
  GetWindowRect(m_hWnd, &area);
  MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// The control's top-left corner stays, except that a centred static keeps
// its centre and a right-aligned one its right edge.
void CLinkLabel::AdjustSize() {
  if (!m_hWnd || !m_adjustToFit) return;
  const std::string text = ControlText(m_hWnd);
  SIZE extent{};
  {
    ScreenDC dc;
    const HGDIOBJ linkFont = reinterpret_cast<HGDIOBJ>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    const SelectedObject font(dc.Get(), linkFont);
    if (!GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent))
      return;
  }
  const RECT area = AreaInParent();
  const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  LONG left = area.left;
  LONG top = area.top;
  if (style & SS_CENTERIMAGE) top = (area.top + area.bottom - extent.cy) / 2;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: left = (area.left + area.right - extent.cx) / 2; break;
    case SS_RIGHT: left = area.right - extent.cx; break;
    default: break;
  }
  SetWindowPos(m_hWnd, nullptr, left, top, extent.cx, extent.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_tooltip) {
    TOOLINFOA tool = ToolOf(m_hWnd);
    GetClientRect(m_hWnd, &tool.rect);
    SendMessageA(m_tooltip.Get(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CLinkLabel::CreateTooltip() {
  m_tooltip.Reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  GetParent(m_hWnd), nullptr, nullptr, nullptr));
  if (!m_tooltip) return;
  TOOLINFOA tool = ToolOf(m_hWnd);
  tool.lpszText = const_cast<char*>(m_target.c_str());
  GetClientRect(m_hWnd, &tool.rect);
  SendMessageA(m_tooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CLinkLabel::UpdateTooltip() {
  if (!m_tooltip) return;
  TOOLINFOA tool = ToolOf(m_hWnd);
  tool.lpszText = const_cast<char*>(m_target.c_str());
  SendMessageA(m_tooltip.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The help program's hand where a system still has it, else the system's.
void CLinkLabel::SetDefaultCursor() {
  m_ownedCursor.Reset(CopyHelpHandCursor());
  m_cursor = m_ownedCursor ? m_ownedCursor.Get() : LoadCursorA(nullptr, IDC_HAND);
}

// With the control: the tooltip (unless its owner, the dialog, took it
// along already), then the font the control no longer draws with.
void CLinkLabel::Detach() {
  if (!m_hWnd) return;
  RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
  if (!IsWindow(m_tooltip.Get())) m_tooltip.Release();
  m_tooltip.Reset();
  SendMessageA(m_hWnd, WM_SETFONT, 0, FALSE);
  m_font.Reset();
  m_ownedCursor.Reset();
  m_cursor = nullptr;
  m_hWnd = nullptr;
}
