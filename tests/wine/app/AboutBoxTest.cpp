// The About box's links release what they take: opened, painted, hovered
// and closed again and again, it leaves no GDI object and no tooltip behind.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "about/AboutBoxDlg.h"
#include "resources/resource.h"
#include "tests/support/GdiCount.h"

namespace {

constexpr UINT kShowAndClose = WM_APP + 1;

// Shows itself, lets the web-site link light up under a pointer, and ends.
class PassingAboutBox : public CAboutBoxDlg {
 protected:
  BOOL OnInitDialog() override {
    CAboutBoxDlg::OnInitDialog();
    PostMessageA(m_hWnd, kShowAndClose, 0, 0);
    return TRUE;
  }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != kShowAndClose) return CAboutBoxDlg::OnMessage(message, wParam, lParam, result);
    ShowWindow(m_hWnd, SW_SHOWNA);
    UpdateWindow(m_hWnd);
    SendMessageA(GetDlgItem(IDC_WEB_SITE_LINK), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EndDialog(IDOK);
    return true;
  }
};

int TooltipsOfThisThread() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// The count must come back exactly, so a single object left per opening shows.
TEST(AboutBoxTest, TenOpeningsLeaveNoGdiObjectOrTooltip) {
  ASSERT_EQ(PassingAboutBox().DoModal(), IDOK);  // what the system caches stays
  const int gdiBefore = Total(GdiObjectsByType());
  const int tooltipsBefore = TooltipsOfThisThread();
  for (int i = 0; i < 10; ++i) ASSERT_EQ(PassingAboutBox().DoModal(), IDOK);
  EXPECT_EQ(Total(GdiObjectsByType()), gdiBefore);
  EXPECT_EQ(TooltipsOfThisThread(), tooltipsBefore);
}

}  // namespace
