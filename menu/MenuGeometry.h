#pragma once
// Rectangles and points of the pouch menu, in the platform's convention:
// right and bottom lie just outside.

struct MenuRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
};

inline bool operator==(const MenuRect& a, const MenuRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct MenuPoint {
  int x = 0;
  int y = 0;
};
