// The Select Contained Application dialog run modally on this thread and
// driven from a second one, as a person would use it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FarmWindows.h"
#include "framework/Controls.h"
#include "resources/resource.h"
#include "windows/SelectContainedAppDialog.h"

namespace windows_test {
namespace {

struct Pick {
  bool picked;
  std::string title = "unchanged";
  std::string className = "unchanged";
};

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::vector<std::string> Rows(HWND list) {
  std::vector<std::string> rows;
  for (int row = 0; row < ListBoxCount(list); ++row) rows.push_back(ListBoxText(list, row));
  return rows;
}

class SelectContainedAppDialogTest : public FarmTest {
 protected:
  Pick PickWhile(const std::function<void(HWND dialog)>& drive, HWND owner = nullptr) {
    Pick pick{false};
    RunWhileDriving(
        "Select Contained Application",
        [&] { pick.picked = PickContainedApplication(owner, pick.title, pick.className); }, drive);
    return pick;
  }

  static void PressRuned(HWND dialog) { SendMessageA(GetDlgItem(dialog, IDC_RUNED), BM_CLICK, 0, 0); }
  // Selects the row as a click does, with the notification the list box sends.
  static void SelectRow(HWND dialog, const std::string& title) {
    const HWND list = GetDlgItem(dialog, IDC_APPLICATION_WINDOWS);
    const std::vector<std::string> rows = Rows(list);
    ListBoxSelect(list, static_cast<int>(std::find(rows.begin(), rows.end(), title) - rows.begin()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_APPLICATION_WINDOWS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
  static void PressOk(HWND dialog) { SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }
};

TEST_F(SelectContainedAppDialogTest, RunedListsEachApplicationOnceAndOkWaitsForASelection) {
  Switch(1, 1, 1);
  Make(Spec("CabinetWClass", "Pouch folder"));
  Make(Spec("FarmApp", "Picked application", farm::ShowState::kMinimized));
  bool disabledAtStart = false, okAfterRefill = true, okAfterSelection = false;
  std::vector<std::string> rows;
  const Pick pick = PickWhile([&](HWND dialog) {
    disabledAtStart = !Enabled(dialog, IDOK) && !Enabled(dialog, IDC_APPLICATION_WINDOWS) &&
                      !Enabled(dialog, IDC_SELECT_LABEL) && !Enabled(dialog, IDC_MENU_LABEL);
    PressRuned(dialog);
    SelectRow(dialog, "Picked application");
    PressRuned(dialog);
    okAfterRefill = Enabled(dialog, IDOK);
    rows = Rows(GetDlgItem(dialog, IDC_APPLICATION_WINDOWS));
    SelectRow(dialog, "Picked application");
    okAfterSelection = Enabled(dialog, IDOK);
    PressOk(dialog);
  });
  EXPECT_TRUE(disabledAtStart);
  EXPECT_FALSE(okAfterRefill);
  EXPECT_TRUE(okAfterSelection);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), "Picked application"), 1);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), "Pouch folder"), 0);
  EXPECT_TRUE(pick.picked);
  EXPECT_EQ(pick.title, "Picked application");
  EXPECT_EQ(pick.className, "FarmApp");
}

TEST_F(SelectContainedAppDialogTest, AnApplicationClosedBeforeThePickGivesNothing) {
  const HWND app = Make(Spec("FarmApp", "Closing application"));
  const Pick pick = PickWhile([&](HWND dialog) {
    PressRuned(dialog);
    SelectRow(dialog, "Closing application");
    farm_.Destroy(app);
    PressOk(dialog);
  });
  EXPECT_FALSE(pick.picked);
  EXPECT_EQ(pick.title, "unchanged");
  EXPECT_EQ(pick.className, "unchanged");
}

// Asked from a page of a sheet, the picker disables the whole sheet, not the
// page alone.
TEST_F(SelectContainedAppDialogTest, ThePageAsksButTheWholeTopLevelWindowWaits) {
  const HWND sheet = CreateWindowExA(0, "STATIC", "sheet", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200,
                                     nullptr, nullptr, nullptr, nullptr);
  const HWND page = CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                    sheet, nullptr, nullptr, nullptr);
  ASSERT_TRUE(sheet && page);
  bool sheetDisabled = false;
  PickWhile(
      [&](HWND dialog) {
        sheetDisabled = !IsWindowEnabled(sheet);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      page);
  EXPECT_TRUE(sheetDisabled);
  EXPECT_TRUE(IsWindowEnabled(sheet));
  DestroyWindow(sheet);
}

}  // namespace
}  // namespace windows_test
