#pragma once
// Where the main window's picture and buttons stand, and its size, at a DPI:
// figures written for 96 dpi and scaled. The buttons keep the sizes their
// dialog template gives them, which follow the dialog font by themselves.
#include <array>

struct LayoutRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ButtonPlace {
  int id = 0;
  int x = 0;
  int y = 0;
};

struct MainWindowLayout {
  int width = 0;  // the whole window, frame and caption included
  int height = 0;
  LayoutRect picture;
  std::array<ButtonPlace, 8> buttons;
};

MainWindowLayout MainWindowLayoutFor(int dpi);
