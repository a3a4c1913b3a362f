#pragma once
// Which desktop edge a click falls on. Free of windows.h so the geometry is
// unit-tested on the host; the hook feeds it the virtual-screen metrics.

namespace outside {

// The virtual screen; its origin is negative when a monitor sits left of or
// above the primary one.
struct ScreenBounds {
  int left;
  int top;
  int width;
  int height;
};

struct EdgeMask {
  bool left;
  bool top;
  bool right;
  bool bottom;
};

// A click counts when it is at most this many pixels in from the outermost
// row or column (the outermost one itself is 0 in).
constexpr int kEdgeBand = 2;

// kMsgEdgeLeft..kMsgEdgeBottom for a point in the band of an enabled edge,
// else 0. Corners go to left, then right, then top, then bottom.
int EdgeHitCode(const ScreenBounds& screen, int x, int y, const EdgeMask& edges);

}  // namespace outside
