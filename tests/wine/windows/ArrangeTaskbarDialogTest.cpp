// The Arrange Taskbar dialog's up-down steps, as the control sends them once
// it accelerates: more than one at a time.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "FarmWindows.h"
#include "framework/Controls.h"
#include "resources/resource.h"
#include "windows/ArrangeTaskbarDialog.h"

namespace windows_test {
namespace {

using ArrangeTaskbarDialogTest = FarmTest;

// Sends the step the up-down control proposes, and gives the row selected
// after it.
int Step(HWND dialog, int delta) {
  NMUPDOWN step{};
  step.hdr.hwndFrom = GetDlgItem(dialog, IDC_TASKBAR_ORDER);
  step.hdr.idFrom = IDC_TASKBAR_ORDER;
  step.hdr.code = UDN_DELTAPOS;
  step.iDelta = delta;
  SendMessageA(dialog, WM_NOTIFY, IDC_TASKBAR_ORDER, reinterpret_cast<LPARAM>(&step));
  return ListBoxSelection(GetDlgItem(dialog, IDC_TASKBAR_WINDOWS));
}

TEST_F(ArrangeTaskbarDialogTest, AnAcceleratedStepMovesOneRowItsWay) {
  for (const char* title : {"Arrange A", "Arrange B", "Arrange C"}) Make(Spec("FarmApp", title));
  std::vector<int> rows;
  RunWhileDriving(
      "Arrange Taskbar Dialog",
      [] {
        CArrangeTaskbarDialog dialog(nullptr);
        dialog.DoModal();
      },
      [&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_TASKBAR_WINDOWS);
        ListBoxSelect(list, 1);
        for (int delta : {-5, -20, 5, 20, 0}) rows.push_back(Step(dialog, delta));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      });
  // Up by one, then nothing above the top; down by one each time.
  EXPECT_EQ((std::vector<int>{0, 0, 1, 2, 2}), rows);
}

}  // namespace
}  // namespace windows_test
