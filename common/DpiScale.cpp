#include "common/DpiScale.h"

#include <cstdint>

int ScaleForDpi(int value, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi) return value;
  const int64_t product = int64_t{value} * dpi;
  const int64_t half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                       : -((-product + half) / kDesignDpi));
}
