#include "framework/Dpi.h"

#include "common/DpiScale.h"
#include "framework/Handles.h"

namespace {

// The functions of Windows 8.1 and 10 (1607) that know more than one DPI.
struct PerMonitorFunctions {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  GetDpiForWindowFunction getDpiForWindow = nullptr;
  GetSystemMetricsForDpiFunction getSystemMetricsForDpi = nullptr;
  SystemParametersInfoForDpiFunction systemParametersInfoForDpi = nullptr;
  GetDpiForMonitorFunction getDpiForMonitor = nullptr;
  // Kept loaded while the pointer into it may be used.
  UniqueModule shcore;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const PerMonitorFunctions& Functions() {
  static const PerMonitorFunctions found = [] {
    PerMonitorFunctions functions;
    const HMODULE user = GetModuleHandleA("user32.dll");
    functions.getDpiForWindow =
        Find<PerMonitorFunctions::GetDpiForWindowFunction>(user, "GetDpiForWindow");
    functions.getSystemMetricsForDpi =
        Find<PerMonitorFunctions::GetSystemMetricsForDpiFunction>(user, "GetSystemMetricsForDpi");
    functions.systemParametersInfoForDpi =
        Find<PerMonitorFunctions::SystemParametersInfoForDpiFunction>(
            user, "SystemParametersInfoForDpi");
    functions.shcore.Reset(LoadLibraryA("shcore.dll"));
    functions.getDpiForMonitor = Find<PerMonitorFunctions::GetDpiForMonitorFunction>(
        functions.shcore.Get(), "GetDpiForMonitor");
    return functions;
  }();
  return found;
}

bool Plausible(UINT dpi) { return dpi >= 48 && dpi <= 960; }

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    const ScreenDC screen;
    const int found = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return Plausible(static_cast<UINT>(found)) ? found : kDesignDpi;
  }();
  return dpi;
}

int WindowDpi(HWND window) {
  const PerMonitorFunctions& functions = Functions();
  if (window && functions.getDpiForWindow) {
    const UINT dpi = functions.getDpiForWindow(window);
    if (Plausible(dpi)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int DpiAtPoint(POINT point) {
  const PerMonitorFunctions& functions = Functions();
  if (functions.getDpiForMonitor) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    const HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    if (monitor && SUCCEEDED(functions.getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) &&
        Plausible(x))
      return static_cast<int>(x);
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  const PerMonitorFunctions& functions = Functions();
  if (functions.getSystemMetricsForDpi && dpi > 0)
    return functions.getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

bool MenuFontForDpi(int dpi, LOGFONTA& font) {
  const PerMonitorFunctions& functions = Functions();
  if (functions.systemParametersInfoForDpi && dpi > 0) {
    // The DPI form has no ANSI twin.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (functions.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                             static_cast<UINT>(dpi))) {
      const LOGFONTW& wide = metrics.lfMenuFont;
      font = LOGFONTA{};
      font.lfHeight = wide.lfHeight;
      font.lfWidth = wide.lfWidth;
      font.lfEscapement = wide.lfEscapement;
      font.lfOrientation = wide.lfOrientation;
      font.lfWeight = wide.lfWeight;
      font.lfItalic = wide.lfItalic;
      font.lfUnderline = wide.lfUnderline;
      font.lfStrikeOut = wide.lfStrikeOut;
      font.lfCharSet = wide.lfCharSet;
      font.lfOutPrecision = wide.lfOutPrecision;
      font.lfClipPrecision = wide.lfClipPrecision;
      font.lfQuality = wide.lfQuality;
      font.lfPitchAndFamily = wide.lfPitchAndFamily;
      if (WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, font.lfFaceName,
                              sizeof font.lfFaceName, nullptr, nullptr) > 0)
        return true;
    }
  }
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
  font = metrics.lfMenuFont;
  return true;
}

HBITMAP StretchedBitmap(HBITMAP source, int width, int height) {
  BITMAP info{};
  if (!source || width <= 0 || height <= 0 || !GetObjectA(source, sizeof info, &info))
    return nullptr;
  const ScreenDC screen;
  const UniqueMemoryDC from(CreateCompatibleDC(screen.Get()));
  const UniqueMemoryDC to(CreateCompatibleDC(screen.Get()));
  UniqueGdiObject stretched(CreateCompatibleBitmap(screen.Get(), width, height));
  if (!from || !to || !stretched) return nullptr;
  {
    const SelectedObject in(from.Get(), source);
    const SelectedObject out(to.Get(), stretched.Get());
    // HALFTONE averages the source pixels instead of dropping them.
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    if (!StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, info.bmWidth, info.bmHeight,
                    SRCCOPY))
      return nullptr;
  }
  return static_cast<HBITMAP>(stretched.Release());
}
