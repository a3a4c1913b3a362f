// Bench tool: waits until a visible top-level window of a class exists and
// prints its screen rectangle as "left top width height".
//   WindowProbe.exe CLASS [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: WindowProbe CLASS [TIMEOUT_MS]\n");
    return 2;
  }
  const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 20000;
  const DWORD start = GetTickCount();
  for (;;) {
    const HWND window = FindWindowA(argv[1], nullptr);
    RECT rect;
    if (window && IsWindowVisible(window) && GetWindowRect(window, &rect)) {
      std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
      return 0;
    }
    if (GetTickCount() - start > timeout) return 1;
    Sleep(50);
  }
}
