// The About box and its links, and the Help button: what a link looks like
// under and away from the pointer, what a click starts when the shell
// cannot open the target, and what it says when nothing can.
#include "Harness.h"

#include <set>

#include "about/AboutBoxDlg.h"
#include "resources/resource.h"

namespace e2e {
namespace {

constexpr COLORREF kNormal = RGB(0, 0, 238);
constexpr COLORREF kVisited = RGB(85, 26, 139);
constexpr COLORREF kHover = RGB(255, 92, 0);
constexpr char kClasses[] = "Software\\Classes\\";
constexpr char kTestPageClass[] = "StowpouchTestPage";

// Class keys of the machine changed for one test and put back after it
// (Wine's HKEY_CLASSES_ROOT shows the machine's classes only). The web and
// mail protocols point at a missing program, so that nothing reaches a
// browser of the host.
class ScratchClasses {
 public:
  ScratchClasses() {
    Set("https\\shell\\open\\command", "\"C:\\nowhere\\missing.exe\" \"%1\"");
    Set("mailto\\shell\\open\\command", "\"C:\\nowhere\\missing.exe\" \"%1\"");
    Set(".htm", kTestPageClass);
  }
  ~ScratchClasses() {
    for (auto entry = saved_.rbegin(); entry != saved_.rend(); ++entry) {
      if (entry->second) RegSetValueA(HKEY_LOCAL_MACHINE, entry->first.c_str(), REG_SZ,
                                      entry->second->c_str(), 0);
      else RegDeleteTreeA(HKEY_LOCAL_MACHINE, entry->first.c_str());
    }
  }
  // The command line of the page handler.
  void SetPageHandler(const std::string& commandLine) {
    Set(std::string(kTestPageClass) + "\\shell\\open\\command", commandLine);
  }

 private:
  void Set(const std::string& path, const std::string& value) {
    const std::string key = kClasses + path;
    char old[MAX_PATH] = {};
    LONG size = sizeof old - 1;
    const bool existed = RegQueryValueA(HKEY_LOCAL_MACHINE, key.c_str(), old, &size) == ERROR_SUCCESS;
    saved_.emplace_back(existed ? key : kClasses + path.substr(0, path.find('\\')),
                        existed ? std::optional<std::string>(old) : std::nullopt);
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueA(HKEY_LOCAL_MACHINE, key.c_str(), REG_SZ, value.c_str(), 0));
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class AboutBoxTest : public StowpouchTest {
 protected:
  void Start() {
    DeleteFileA(ProbeFile().c_str());
    app_.emplace();
    ASSERT_TRUE(app_->Ready());
  }
  static std::string ProbeFile() { return WorkFolder() + "probe.txt"; }
  static std::string ProbeCommand() { return "\"" + BinFolder() + "StartProbe.exe\" \"%1\" -new-window"; }

  HWND OpenAbout(UINT message, WPARAM wParam) {
    PostMessageA(app_->Window(), message, wParam, 0);
    const HWND about = app_->WaitForDialog("About Stowpouch");
    return about && app_->Settle() ? about : nullptr;
  }
  void Close(HWND about) {
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  }

  // Whether the link's rectangle shows `colour` and no other link colour.
  static bool ShowsOnly(HWND link, COLORREF colour) {
    return WaitUntil([&] {
      RECT area{};
      GetWindowRect(link, &area);
      const ScreenPicture screen;
      std::set<COLORREF> seen;
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
          const COLORREF at = screen.At(x, y);
          if (at == kNormal || at == kVisited || at == kHover) seen.insert(at);
        }
      return seen == std::set<COLORREF>{colour};
    });
  }
  // At `across` of the link's width: two clicks at one spot in quick
  // succession would make a double click, which a link does not take.
  static POINT PointOn(HWND link, double across = 0.5) {
    RECT area{};
    GetWindowRect(link, &area);
    return {area.left + static_cast<int>((area.right - area.left) * across),
            (area.top + area.bottom) / 2};
  }
  static bool ClickLink(HWND link, double across = 0.5) {
    const POINT at = PointOn(link, across);
    return ClickAt(at.x, at.y);
  }
  static bool PointAway(HWND about) {
    RECT area{};
    GetWindowRect(about, &area);
    return MoveCursorTo(area.left + 8, area.bottom - 8);
  }

  std::optional<Stowpouch> app_;
};

TEST_F(AboutBoxTest, OpensFromButtonAndSystemMenuWithLinksThatLightUpUnderThePointer) {
  Start();
  HWND about = OpenAbout(WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED));
  ASSERT_NE(about, nullptr);
  EXPECT_NE(FindWindowExA(about, nullptr, "Static", "Stowpouch Version 1.0"), nullptr);
  // The web-site link's template text is empty: it shows its target.
  const HWND link = GetDlgItem(about, IDC_WEB_SITE_LINK);
  EXPECT_EQ(WindowText(link), kWebSiteAddress);
  EXPECT_EQ(WindowText(GetDlgItem(about, IDC_SUPPORT_LINK)), "support@quarrelwood.example.com");
  SavePictureOf(about, "about-box");

  ASSERT_TRUE(PointAway(about));
  EXPECT_TRUE(ShowsOnly(link, kNormal));
  const POINT centre = PointOn(link);
  ASSERT_TRUE(MoveCursorTo(centre.x, centre.y));
  EXPECT_TRUE(ShowsOnly(link, kHover));
  ASSERT_TRUE(PointAway(about));
  EXPECT_TRUE(ShowsOnly(link, kNormal));
  Close(about);

  about = OpenAbout(WM_SYSCOMMAND, IDM_ABOUTBOX);
  ASSERT_NE(about, nullptr);
  Close(about);
}

TEST_F(AboutBoxTest, ClickFallsBackToThePageHandlerAndReportsWhatFailed) {
  ScratchClasses classes;
  classes.SetPageHandler("\"C:\\nowhere\\viewer.exe\" \"%1\"");
  Start();
  const HWND about = OpenAbout(WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED));
  ASSERT_NE(about, nullptr);
  const HWND link = GetDlgItem(about, IDC_WEB_SITE_LINK);

  ASSERT_TRUE(ClickLink(link));
  const HWND box = app_->WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Stowpouch::MessageBoxText(box),
            "Unable to open hyperlink:\n\nThe specified file was not found.");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  ASSERT_TRUE(PointAway(about));
  EXPECT_TRUE(ShowsOnly(link, kNormal));

  // The shell still cannot open it, the page handler can: it gets the bare
  // target in place of its quoted placeholder, and what followed is gone.
  classes.SetPageHandler(ProbeCommand());
  ASSERT_TRUE(ClickLink(link, 0.25));
  EXPECT_TRUE(WaitUntil([] { return ReadFileBytes(ProbeFile()) != "<missing>"; }));
  EXPECT_EQ(ReadFileBytes(ProbeFile()), std::string(kWebSiteAddress) + "\r\n5\r\n");
  ASSERT_TRUE(PointAway(about));
  EXPECT_TRUE(ShowsOnly(link, kVisited));
  EXPECT_EQ(app_->ShownMessageBox(), nullptr);
  Close(about);
}

TEST_F(AboutBoxTest, HelpStartsThePageHandlerWithTheStartPage) {
  ScratchClasses classes;
  classes.SetPageHandler(ProbeCommand());
  Start();
  PostMessageA(app_->Window(), WM_COMMAND, MAKEWPARAM(IDC_HELP_PAGE, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([] { return ReadFileBytes(ProbeFile()) != "<missing>"; }));
  EXPECT_EQ(ReadFileBytes(ProbeFile()), WorkFolder() + "help\\start_page.htm\r\n1\r\n");
  EXPECT_TRUE(app_->Settle());
  EXPECT_EQ(app_->ShownMessageBox(), nullptr);
}

}  // namespace
}  // namespace e2e
