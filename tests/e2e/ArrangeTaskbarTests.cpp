// The Arrange Taskbar dialog driven from outside, and the order of the
// buttons it leaves in the stand-in shell's taskbar.
#include <algorithm>

#include "Harness.h"
#include "resources/resource.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/StandInShellClient.h"

namespace e2e {
namespace {

using Titles = std::vector<std::string>;
constexpr char kTitlePrefix[] = "Arrange ";

Titles FarmTitles(const Titles& titles) {
  Titles own;
  for (const std::string& title : titles)
    if (title.rfind(kTitlePrefix, 0) == 0) own.push_back(title);
  return own;
}

int IndexOf(const Titles& titles, const std::string& title) {
  return static_cast<int>(std::find(titles.begin(), titles.end(), title) - titles.begin());
}

class ArrangeTaskbarTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(shell_.Running() && farm_.Running());
    for (const char* title : {"Arrange A", "Arrange B", "Arrange C"})
      apps_.push_back(farm_.Create(farm::Spec("FarmApp", title)));
    minimized_ = farm_.Create(farm::Spec("FarmApp", "Arrange minimised", farm::ShowState::kMinimized));
    apps_.push_back(minimized_);
    for (HWND app : apps_) ASSERT_TRUE(app);
    stowpouch_.emplace();
    ASSERT_TRUE(stowpouch_->Ready());
    ASSERT_TRUE(shell_.Sync());
  }

  void OpenDialog() {
    PostMessageA(stowpouch_->Window(), WM_COMMAND, MAKEWPARAM(IDC_ARRANGE_TASKBAR, BN_CLICKED), 0);
    dialog_ = stowpouch_->WaitForDialog("Arrange Taskbar Dialog");
    ASSERT_NE(dialog_, nullptr);
    list_ = GetDlgItem(dialog_, IDC_TASKBAR_WINDOWS);
  }

  Titles Rows() const { return ListBoxRows(list_); }
  int Selection() const { return static_cast<int>(Send(list_, LB_GETCURSEL).value_or(-2)); }
  void Select(int row) const { Send(list_, LB_SETCURSEL, static_cast<WPARAM>(row)); }
  // The up-down control's arrows, pressed through its arrow keys.
  void Arrow(WORD key) const { Send(GetDlgItem(dialog_, IDC_TASKBAR_ORDER), WM_KEYDOWN, key); }

  // Closes the dialog with `button` and waits until the command has returned
  // and the shell has seen what it did.
  bool Close(int button) {
    PostMessageA(GetDlgItem(dialog_, button), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(dialog_); }) && stowpouch_->Settle() &&
           farm_.Settle() && shell_.Sync();
  }

  // The farm windows' taskbar items in tab order, by title.
  Titles FarmItems() const {
    Titles titles;
    for (HWND window : farm_.Own(shell_.Items())) titles.push_back(WindowText(window));
    return titles;
  }
  std::vector<int> TimesHidden() {
    std::vector<int> times;
    for (HWND app : apps_) times.push_back(farm_.TimesHidden(app));
    return times;
  }

  standin::StandInShell shell_;
  farm::WindowFarm farm_;
  std::vector<HWND> apps_;
  HWND minimized_ = nullptr;
  std::optional<Stowpouch> stowpouch_;
  HWND dialog_ = nullptr, list_ = nullptr;
};

TEST_F(ArrangeTaskbarTest, ArrowsMoveTheSelectedRowAndOkGivesTheTaskbarThatOrder) {
  const Titles before = FarmItems();
  ASSERT_EQ(before.size(), apps_.size());
  const std::vector<int> hiddenBefore = TimesHidden();
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Titles rows = Rows();
  ASSERT_EQ(FarmTitles(rows).size(), apps_.size()) << testing::PrintToString(rows);
  const int last = static_cast<int>(rows.size()) - 1;

  // Without a selection, and at the ends, the arrows change nothing.
  Select(-1);
  Arrow(VK_DOWN);
  EXPECT_EQ(Rows(), rows);
  Select(0);
  Arrow(VK_UP);
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Selection(), 0);
  Select(last);
  Arrow(VK_DOWN);
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Selection(), last);
  EXPECT_TRUE(SavePictureOf(dialog_, "arrange-taskbar"));

  // The window first on the taskbar goes to the bottom one row at a time, the
  // selection with it; then one up and down again.
  const std::string mover = before.front();
  Select(IndexOf(rows, mover));
  for (int row = IndexOf(rows, mover); row < last; ++row) {
    Arrow(VK_DOWN);
    std::swap(rows[static_cast<std::size_t>(row)], rows[static_cast<std::size_t>(row) + 1]);
    ASSERT_EQ(Rows(), rows);
    ASSERT_EQ(Selection(), row + 1);
  }
  Arrow(VK_UP);
  EXPECT_EQ(IndexOf(Rows(), mover), last - 1);
  EXPECT_EQ(Selection(), last - 1);
  Arrow(VK_DOWN);
  ASSERT_EQ(Rows(), rows);

  ASSERT_TRUE(Close(IDOK));
  EXPECT_EQ(FarmItems(), FarmTitles(rows));
  EXPECT_NE(FarmItems(), before);
  // Every listed window went through a hide, and the minimised one is shown
  // again minimised.
  const std::vector<int> hiddenAfter = TimesHidden();
  for (std::size_t i = 0; i < apps_.size(); ++i) EXPECT_GT(hiddenAfter[i], hiddenBefore[i]) << i;
  EXPECT_TRUE(Visible(minimized_));
  EXPECT_TRUE(IsIconic(minimized_));
}

TEST_F(ArrangeTaskbarTest, CancelLeavesTheTaskbarAsItWas) {
  const Titles before = FarmItems();
  const std::vector<int> hiddenBefore = TimesHidden();
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Select(0);
  Arrow(VK_DOWN);
  ASSERT_EQ(Selection(), 1);
  ASSERT_TRUE(Close(IDCANCEL));
  EXPECT_EQ(FarmItems(), before);
  EXPECT_EQ(TimesHidden(), hiddenBefore);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == stowpouch_->Window(); }));
}

TEST_F(ArrangeTaskbarTest, AHungApplicationGetsItsButtonBackOnceItRunsAgain) {
  // The platform calls a program hung once it has left its queue alone for
  // five seconds.
  ASSERT_TRUE(farm_.Hang());
  ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(apps_[0]) != FALSE; }));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  const Titles rows = FarmTitles(Rows());
  PostMessageA(GetDlgItem(dialog_, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog_); }) && stowpouch_->Settle())
      << "the command waited for the hung program";
  farm_.EndHang();
  // Requests are refused while the platform still calls the farm hung.
  ASSERT_TRUE(WaitUntil([&] { return farm_.Settle(); }) && shell_.Sync());
  EXPECT_EQ(FarmItems(), rows);
}

}  // namespace
}  // namespace e2e
