#include "outside/EdgeHit.h"

#include "common/SharedNames.h"

namespace outside {

int EdgeHitCode(const ScreenBounds& screen, int x, int y, const EdgeMask& edges) {
  if (screen.width <= 0 || screen.height <= 0) return 0;
  const int right = screen.left + screen.width - 1;
  const int bottom = screen.top + screen.height - 1;
  // Coordinates off the screen are not a click on its edge.
  if (x < screen.left || x > right || y < screen.top || y > bottom) return 0;
  if (edges.left && x - screen.left <= kEdgeBand) return kMsgEdgeLeft;
  if (edges.right && right - x <= kEdgeBand) return kMsgEdgeRight;
  if (edges.top && y - screen.top <= kEdgeBand) return kMsgEdgeTop;
  if (edges.bottom && bottom - y <= kEdgeBand) return kMsgEdgeBottom;
  return 0;
}

}  // namespace outside
