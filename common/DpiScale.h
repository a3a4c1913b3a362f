#pragma once
// Pixel figures of the program's own layout are written for 96 dots per
// inch and scaled to the DPI of the screen they are shown on.

// The DPI the layout figures are written for.
constexpr int kDesignDpi = 96;

// `value` at `dpi`, rounded as MulDiv rounds: halves away from zero. A DPI
// that is not positive counts as the design DPI.
int ScaleForDpi(int value, int dpi);
