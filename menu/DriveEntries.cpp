#include "menu/DriveEntries.h"

#include <shlwapi.h>

#include "framework/Handles.h"
#include "menu/DiskFreeSpace.h"
#include "menu/DriveSpaceText.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"

namespace {

// A removable drive without a medium would otherwise make the system ask
// the user to insert one. This thread's mode only: the process's is shared.
class CriticalErrorsOff {
 public:
  CriticalErrorsOff() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~CriticalErrorsOff() { SetThreadErrorMode(previous_, nullptr); }
  CriticalErrorsOff(const CriticalErrorsOff&) = delete;
  CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

 private:
  DWORD previous_ = 0;
};

std::string ByteSizeText(DWORD count) {
  char text[512] = "";
  if (!StrFormatByteSizeA(count, text, sizeof text)) return std::string();
  return text;
}

int BlankWidth(HFONT font) {
  const ScreenDC screen;
  if (!screen.Get()) return 0;
  // Without a font the selection fails and the screen's default font stays.
  const SelectedObject selected(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), " ", 1, &size);
  return size.cx;
}

bool QueryDriveSpace(const char* root, ULARGE_INTEGER& total, ULARGE_INTEGER& totalFree) {
  const GetDiskFreeSpaceExFunction diskFreeSpaceEx = DiskFreeSpaceEx();
  if (!diskFreeSpaceEx) return false;
  ULARGE_INTEGER available{};
  const CriticalErrorsOff quiet;
  return diskFreeSpaceEx(root, &available, &total, &totalFree) != FALSE;
}

void FormatByteCount(uint64_t count, std::string& text, int32_t& amount) {
  const int shift = DriveSpaceShift(count);
  if (shift == 0) {
    const std::string size = ByteSizeText(static_cast<DWORD>(count));
    text = size + " free";
    amount = AmountFromByteSizeText(size);
    return;
  }
  const ShiftedDriveSpace shifted =
      ShiftDriveSpace(shift, ByteSizeText(static_cast<DWORD>(count >> shift)));
  text = shifted.text;
  amount = shifted.amount;
}

}  // namespace

bool FormatDriveSpace(const char* root, std::string& text, int32_t& amount, int sizeWanted) {
  amount = 0;
  ULARGE_INTEGER total{}, totalFree{};
  if (!QueryDriveSpace(root, total, totalFree)) return false;
  FormatByteCount(sizeWanted == 1 ? total.QuadPart : totalFree.QuadPart, text, amount);
  return true;
}

bool AppendDriveItem(MenuItemList& items, HMENU root, char letter, HFONT font, int driveBarWidth,
                     FolderKeyTextFinder findKeyText) {
  const std::string rootPath = std::string(1, letter) + ":\\";
  MenuItemData* record = items.NewRecord(menu_id::DriveId(letter));
  std::string text = std::string(1, letter) + " Drive";
  std::string space;
  int32_t amount = 0;
  // One query serves the free amount and the total.
  ULARGE_INTEGER total{}, totalFree{};
  const bool queried = QueryDriveSpace(rootPath.c_str(), total, totalFree);
  if (queried) {
    FormatByteCount(totalFree.QuadPart, space, amount);
    const int blankWidth = BlankWidth(font);
    const int blanks = (blankWidth > 0 ? driveBarWidth / blankWidth : 0) + 3;
    text += "(" + space + ")" + std::string(static_cast<std::size_t>(blanks), ' ');
    record->nFreeMB = amount;
  } else {
    record->nFreeMB = -1;
  }
  std::string keyText;
  if (findKeyText && findKeyText(rootPath, keyText)) text += "\t" + keyText;
  SetMenuText(record->szText, text);

  if (queried) {
    int32_t totalAmount = 0;
    FormatByteCount(total.QuadPart, space, totalAmount);
    record->nTotalMB = totalAmount;
  }
  return items.AppendRootItem(root, record);
}
