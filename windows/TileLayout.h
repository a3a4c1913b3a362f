#pragma once
// Where the folder tiling and the Explorer layouts put their windows. Screen
// metrics in, window rectangles out; integer arithmetic that truncates, as the
// layouts have always been computed.
#include <vector>

struct ScreenMetrics {
  int width = 0;    // SM_CXMAXIMIZED
  int height = 0;   // SM_CYMAXIMIZED
  int frameX = 0;   // SM_CXFRAME
  int frameY = 0;   // SM_CYFRAME
  int borderX = 0;  // SM_CXBORDER
  int borderY = 0;  // SM_CYBORDER
};

struct WindowRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

inline bool operator==(const WindowRect& a, const WindowRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// The places of `count` tiled windows, in list order: a grid of c columns
// (the least c with c * c >= count) whose last row spreads the remaining
// windows over the whole width. The right-most column and the last row
// stop short of the screen edge by the frame.
std::vector<WindowRect> TileRectangles(int count, const ScreenMetrics& screen);

enum class ExplorerLayout { kOneAboveOther = 0, kSideBySide = 1, kSquare = 2 };

// The places of the first Explorer windows found, E0 first: two for the
// double layouts, four for the square. Fewer windows found fill fewer places;
// the square needs at least three windows and is otherwise empty.
std::vector<WindowRect> ExplorerLayoutRectangles(ExplorerLayout layout, int windowsFound,
                                                 const ScreenMetrics& screen);
