#include "menu/DriveEntries.h"

#include <shlwapi.h>

#include "framework/Handles.h"
#include "menu/DiskFreeSpace.h"
#include "menu/DriveSpaceText.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"

namespace {

// A removable drive without a medium would otherwise make the system ask
// the user to insert one.
class CriticalErrorsOff {
 public:
  CriticalErrorsOff() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorsOff() { SetErrorMode(previous_); }
  CriticalErrorsOff(const CriticalErrorsOff&) = delete;
  CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

 private:
  UINT previous_;
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

}  // namespace

bool FormatDriveSpace(const char* root, std::string& text, int32_t& amount, int sizeWanted) {
  const GetDiskFreeSpaceExFunction diskFreeSpaceEx = DiskFreeSpaceEx();
  if (!diskFreeSpaceEx) return false;
  amount = 0;
  ULARGE_INTEGER available{}, total{}, totalFree{};
  {
    const CriticalErrorsOff quiet;
    if (!diskFreeSpaceEx(root, &available, &total, &totalFree)) return false;
  }
  const uint64_t count = sizeWanted == 1 ? total.QuadPart : totalFree.QuadPart;
  const int shift = DriveSpaceShift(count);
  if (shift == 0) {
    const std::string size = ByteSizeText(static_cast<DWORD>(count));
    text = size + " free";
    amount = AmountFromByteSizeText(size);
    return true;
  }
  const ShiftedDriveSpace shifted =
      ShiftDriveSpace(shift, ByteSizeText(static_cast<DWORD>(count >> shift)));
  text = shifted.text;
  amount = shifted.amount;
  return true;
}

bool AppendDriveItem(HMENU root, char letter, HFONT font, int driveBarWidth,
                     FolderKeyTextFinder findKeyText) {
  const std::string rootPath = std::string(1, letter) + ":\\";
  MenuItemData* record = NewMenuItemRecord(menu_id::DriveId(letter));
  std::string text = std::string(1, letter) + " Drive";
  std::string space;
  int32_t amount = 0;
  if (FormatDriveSpace(rootPath.c_str(), space, amount, 0)) {
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

  int32_t total = 0;
  if (FormatDriveSpace(rootPath.c_str(), space, total, 1)) record->nTotalMB = total;
  return AppendRootItem(root, record);
}
