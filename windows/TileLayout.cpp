#include "windows/TileLayout.h"

#include <algorithm>

namespace {

int SmallestSquareSide(int count) {
  int side = 1;
  while (side * side < count) ++side;
  return side;
}

int RowsFor(int count, int columns) { return (count + columns - 1) / columns; }

}  // namespace

std::vector<WindowRect> TileRectangles(int count, const ScreenMetrics& s) {
  std::vector<WindowRect> places;
  if (count <= 0) return places;
  const int columns = SmallestSquareSide(count);
  const int rows = RowsFor(count, columns);
  const int rowHeight = s.height / rows;
  const int fullRowWindows = (rows - 1) * columns;

  for (int k = 0; k < fullRowWindows; ++k) {
    const int column = k % columns;
    WindowRect place;
    place.x = (s.width / columns) * column;
    place.y = (k / columns) * rowHeight;
    place.height = rowHeight;
    place.width = column == columns - 1 ? s.width - 2 * s.frameX - place.x : s.width / columns;
    places.push_back(place);
  }

  const int lastRowWindows = count - fullRowWindows;
  for (int p = 0; p < lastRowWindows; ++p) {
    WindowRect place;
    place.x = (s.width / lastRowWindows) * p;
    place.y = (rows - 1) * rowHeight;
    place.height = s.height - 2 * s.frameY - place.y;
    place.width = p == lastRowWindows - 1 ? s.width - 2 * s.frameX - place.x
                                          : s.width / lastRowWindows;
    places.push_back(place);
  }
  return places;
}

std::vector<WindowRect> ExplorerLayoutRectangles(ExplorerLayout layout, int windowsFound,
                                                 const ScreenMetrics& s) {
  const int xf = s.frameX + s.borderX;
  const int yf = s.frameY + s.borderY;
  std::vector<WindowRect> places;
  switch (layout) {
    case ExplorerLayout::kOneAboveOther: {
      const int width = s.width - 4 * xf;
      const int height = s.height / 2 - 2 * yf;
      places = {{xf, yf, width, height}, {xf, s.height / 2 - yf, width, height}};
      break;
    }
    case ExplorerLayout::kSideBySide: {
      const int width = s.width / 2 - 2 * xf;
      const int height = s.height - 3 * yf;
      places = {{xf, yf, width, height}, {s.width / 2 - xf, yf, width, height}};
      break;
    }
    case ExplorerLayout::kSquare: {
      if (windowsFound < 3) return {};
      const int width = s.width / 2 - 2 * xf;
      const int height = s.height / 2 - 2 * yf;
      const int right = s.width / 2 - xf;
      const int lower = s.height / 2 - yf;
      places = {{xf, yf, width, height},
                {right, yf, width, height},
                {xf, lower, width, height},
                {right, lower, width, height}};
      break;
    }
  }
  places.resize(static_cast<std::size_t>(std::clamp(windowsFound, 0, static_cast<int>(places.size()))));
  return places;
}
