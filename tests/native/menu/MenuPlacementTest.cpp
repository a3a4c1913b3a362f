#include "menu/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

using H = MenuHorizontalAlign;
using V = MenuVerticalAlign;
using E = TaskbarEdge;

// Distinct coordinates, so that a point taken from the wrong place shows:
// taskbar {11, 22, 33, 44}, cursor (555, 666), given point (-7, 909).
struct PlacementCase {
  int surface;
  E edge;
  int x, y;
  H horizontal;
  V vertical;
};

const PlacementCase kTable[] = {
    {1, E::kLeft, 33, 666, H::kLeft, V::kTop},     {1, E::kTop, 555, 44, H::kLeft, V::kTop},
    {1, E::kRight, 11, 666, H::kRight, V::kTop},   {1, E::kBottom, 555, 22, H::kLeft, V::kBottom},
    {1, E::kUnknown, 555, 666, H::kLeft, V::kBottom},
    {2, E::kLeft, 33, 666, H::kLeft, V::kTop},     {2, E::kTop, 555, 44, H::kCentre, V::kTop},
    {2, E::kRight, 11, 666, H::kRight, V::kTop},   {2, E::kBottom, 555, 22, H::kCentre, V::kBottom},
    {2, E::kUnknown, 555, 666, H::kLeft, V::kBottom},
    // These ignore the taskbar; checked against every edge.
    {3, E::kUnknown, 555, 666, H::kLeft, V::kTop}, {200, E::kUnknown, -7, 909, H::kLeft, V::kTop},
    {201, E::kUnknown, -7, 909, H::kRight, V::kTop}, {202, E::kUnknown, -7, 909, H::kCentre, V::kTop},
    {203, E::kUnknown, -7, 909, H::kCentre, V::kBottom}, {0, E::kUnknown, -7, 909, H::kLeft, V::kTop},
    {4, E::kUnknown, -7, 909, H::kLeft, V::kTop},  {204, E::kUnknown, -7, 909, H::kLeft, V::kTop},
};

TEST(PlaceMenu, EverySurfaceAgainstEveryTaskbarEdge) {
  for (const PlacementCase& c : kTable)
    for (E edge : {E::kLeft, E::kTop, E::kRight, E::kBottom, E::kUnknown}) {
      // Only the surfaces placed against the taskbar may skip an edge: for
      // the others the taskbar is not even looked up.
      if (PlacesAgainstTaskbar(c.surface) && edge != c.edge) continue;
      const MenuPlacement p = PlaceMenu(c.surface, edge, {11, 22, 33, 44}, {555, 666}, {-7, 909});
      EXPECT_TRUE(p.point.x == c.x && p.point.y == c.y && p.horizontal == c.horizontal &&
                  p.vertical == c.vertical)
          << "surface " << c.surface << " edge " << static_cast<int>(edge);
    }
}

TEST(TaskbarEdgeFrom, AppBarEdgesAndEmptyRectangles) {
  const MenuRect bar{0, 728, 1024, 768};
  const E expected[] = {E::kLeft, E::kTop, E::kRight, E::kBottom, E::kUnknown};
  for (unsigned edge = 0; edge < 5; ++edge) EXPECT_EQ(TaskbarEdgeFrom(edge, bar), expected[edge]);
  EXPECT_EQ(TaskbarEdgeFrom(3, MenuRect{0, 728, 1024, 728}), E::kUnknown);
  EXPECT_EQ(TaskbarEdgeFrom(0, MenuRect{}), E::kUnknown);
}

}  // namespace
