// Exits with the foreground lock time-out as this fresh process sees it.
// Wine reads the system parameters once per process, so a test that wants
// the value another process has set must ask a new one.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

int main() {
  DWORD timeout = 0;
  if (!SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0)) return -1;
  return static_cast<int>(timeout);
}
