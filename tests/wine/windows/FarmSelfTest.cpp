// The window farm seen from outside, the way the window tests rely on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/farm/WindowFarmClient.h"

namespace {

using farm::ShowState;
using farm::WindowFarm;
using farm::WindowSpec;

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// Depth of the first "Shell DocObject View" below `top`, 0 when there is none.
int DocumentViewDepth(HWND top) {
  const HWND view = FindWindowExA(top, nullptr, "Shell DocObject View", nullptr);
  if (view) return 1;
  for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (const int below = DocumentViewDepth(child)) return below + 1;
  return 0;
}

class FarmTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { farm_ = std::make_unique<WindowFarm>(); }
  static void TearDownTestSuite() { farm_.reset(); }
  void SetUp() override { ASSERT_TRUE(farm_->Running()); }

  static HWND Make(WindowSpec wanted) {
    const HWND window = farm_->Create(wanted);
    EXPECT_NE(nullptr, window) << wanted.className;
    return window;
  }

  static std::unique_ptr<WindowFarm> farm_;
};

std::unique_ptr<WindowFarm> FarmTest::farm_;

TEST_F(FarmTest, WindowsHaveTheRequestedStateClassAndTitle) {
  WindowSpec wanted;
  wanted.className = "CabinetWClass";
  wanted.title = "C:\\";
  wanted.state = ShowState::kHidden;
  const HWND hidden = Make(wanted);
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_EQ("CabinetWClass", ClassOf(hidden));
  char title[64] = "";
  GetWindowTextA(hidden, title, sizeof title);
  EXPECT_STREQ("C:\\", title);

  wanted.className = "Afx:400000:b:10008:6:170420";
  wanted.state = ShowState::kNormal;
  const HWND normal = Make(wanted);
  EXPECT_TRUE(IsWindowVisible(normal));
  EXPECT_FALSE(IsIconic(normal));
  EXPECT_FALSE(IsZoomed(normal));
  const RECT rect = RectOf(normal);
  EXPECT_EQ(40, rect.left);
  EXPECT_EQ(40, rect.top);
  EXPECT_EQ(320, rect.right - rect.left);
  EXPECT_EQ(200, rect.bottom - rect.top);

  wanted.className = std::string(255, 'q');
  wanted.state = ShowState::kMinimized;
  const HWND minimized = Make(wanted);
  EXPECT_EQ(wanted.className, ClassOf(minimized));
  EXPECT_TRUE(IsWindowVisible(minimized));
  EXPECT_TRUE(IsIconic(minimized));

  wanted.className = "IEFRAME";
  wanted.state = ShowState::kMaximized;
  const HWND maximized = Make(wanted);
  EXPECT_TRUE(IsWindowVisible(maximized));
  EXPECT_TRUE(IsZoomed(maximized));

  // All on the farm's one UI thread.
  const DWORD thread = GetWindowThreadProcessId(hidden, nullptr);
  for (const HWND window : {normal, minimized, maximized})
    EXPECT_EQ(thread, GetWindowThreadProcessId(window, nullptr));
}

TEST_F(FarmTest, ZeroSizedPopupsStayZeroSized) {
  WindowSpec wanted;
  wanted.popup = true;
  wanted.width = 0;
  wanted.height = 0;
  const HWND empty = Make(wanted);
  EXPECT_TRUE(IsWindowVisible(empty));
  const RECT rect = RectOf(empty);
  EXPECT_EQ(rect.left, rect.right);
  EXPECT_EQ(rect.top, rect.bottom);

  wanted.width = 200;
  const HWND flat = Make(wanted);
  EXPECT_EQ(200, RectOf(flat).right - RectOf(flat).left);
  EXPECT_EQ(0, RectOf(flat).bottom - RectOf(flat).top);
}

TEST_F(FarmTest, ChildrenAndDocumentViewSitWhereAsked) {
  for (int depth = 0; depth <= 3; ++depth) {
    WindowSpec wanted;
    wanted.plainChildren = 2;
    wanted.documentViewDepth = depth;
    const HWND top = Make(wanted);
    EXPECT_EQ(depth, DocumentViewDepth(top)) << depth;
    int plain = 0;
    for (HWND child = GetWindow(top, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      plain += ClassOf(child) == "FarmChild" ? 1 : 0;
    // The link at depth 2 and more is a FarmChild too.
    EXPECT_EQ(depth >= 2 ? 3 : 2, plain) << depth;
  }
}

TEST_F(FarmTest, OwnedPopupsAnswerTheirOwner) {
  const HWND owner = Make(WindowSpec{});
  WindowSpec wanted;
  wanted.popup = true;
  wanted.owner = owner;
  const HWND popup = Make(wanted);
  EXPECT_EQ(owner, GetWindow(popup, GW_OWNER));
  EXPECT_EQ(owner, GetParent(popup));
  EXPECT_EQ(popup, GetAncestor(popup, GA_ROOT));
}

TEST_F(FarmTest, OwnKeepsTheFarmsWindowsInOrder) {
  const HWND first = Make(WindowSpec{});
  const HWND second = Make(WindowSpec{});
  const HWND desktop = GetDesktopWindow();
  const std::vector<HWND> own = farm_->Own({second, desktop, nullptr, first});
  EXPECT_EQ((std::vector<HWND>{second, first}), own);
}

TEST_F(FarmTest, WindowsGoOnDestroyOrClose) {
  const HWND destroyed = Make(WindowSpec{});
  EXPECT_TRUE(farm_->Destroy(destroyed));
  EXPECT_FALSE(IsWindow(destroyed));
  EXPECT_FALSE(farm_->Destroy(destroyed));
  EXPECT_FALSE(farm_->Destroy(GetDesktopWindow()));

  const HWND closed = Make(WindowSpec{});
  EXPECT_TRUE(SendMessageA(closed, WM_CLOSE, 0, 0) == 0);
  EXPECT_FALSE(IsWindow(closed));
}

TEST(FarmLifetime, EndingTheFarmTakesItsWindowsAlong) {
  HWND window = nullptr;
  {
    WindowFarm farm;
    ASSERT_TRUE(farm.Running());
    window = farm.Create(WindowSpec{});
    ASSERT_NE(nullptr, window);
    // A second farm registers a class of its own under another spelling. Wine
    // keeps class names in one atom table for all processes, so GetClassName
    // answers the spelling that was registered first while that class lives.
    WindowFarm other;
    WindowSpec wanted;
    wanted.className = "farmwindow";
    const HWND lower = other.Create(wanted);
    ASSERT_NE(nullptr, lower);
    EXPECT_EQ(0, lstrcmpiA("farmwindow", ClassOf(lower).c_str()));
    EXPECT_TRUE(farm.Own({lower}).empty());
    EXPECT_EQ(1u, other.Own({lower, window}).size());
  }
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
