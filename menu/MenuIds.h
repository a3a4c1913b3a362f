#pragma once
// Command identifiers of the pouch menu. The identifier alone tells what an
// item does; items with a record are found through it.
#include <cstdint>

namespace menu_id {

constexpr int32_t kSeparator = 0;

constexpr int32_t kCloseEntry = 2424;      // opens the Close submenu
constexpr int32_t kCloseKindFirst = 2425;  // + WindowKind
constexpr int32_t kCloseAll = 2523;
constexpr int32_t kMinimizeEntry = 2524;      // opens the Minimize submenu
constexpr int32_t kMinimizeKindFirst = 2525;  // + WindowKind
constexpr int32_t kMinimizeAll = 2623;

// Drives: 2559 + the letter's character code, 'A' 2624 to 'Z' 2649; the
// whole range to 2723 counts as drives for measuring and drawing.
constexpr int32_t kDriveBase = 2559;
constexpr int32_t kDriveRangeFirst = 2624;
constexpr int32_t kDriveRangeLast = 2723;

constexpr int32_t kPouchWindowFirst = 2724;  // + running count over all kinds
constexpr int32_t kPouchWindowCount = 100;

constexpr int32_t kDesktopEntry = 2824;  // opens the Desktop Icons submenu
constexpr int32_t kDesktopFolder = 2825;
constexpr int32_t kMyComputer = 2826;
constexpr int32_t kNetworkNeighborhood = 2827;
constexpr int32_t kRecycleBin = 2828;
constexpr int32_t kDesktopItemFirst = 2829;  // + entry of the desktop directory
constexpr int32_t kDesktopItemCount = 95;

constexpr int32_t kFunctionEntry = 2924;  // opens the Function Command submenu
constexpr int32_t kFunctionItemFirst = 2925;
constexpr int32_t kFunctionItemCount = 8;
// The range that counts as function items reaches beyond the eight.
constexpr int32_t kFunctionItemLast = 3023;

constexpr int32_t DriveId(char letter) { return kDriveBase + static_cast<unsigned char>(letter); }

constexpr bool IsDriveId(int32_t id) { return id >= kDriveRangeFirst && id <= kDriveRangeLast; }

// Items that live inside a submenu; the four entries that open a submenu
// are root items.
constexpr bool IsSubmenuItemId(int32_t id) {
  return (id >= kCloseKindFirst && id <= kCloseAll) ||
         (id >= kMinimizeKindFirst && id <= kMinimizeAll) ||
         (id >= kDesktopFolder && id < kDesktopItemFirst + kDesktopItemCount) ||
         (id >= kFunctionItemFirst && id <= kFunctionItemLast);
}

}  // namespace menu_id
