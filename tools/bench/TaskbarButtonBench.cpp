// TaskbarButtonBench.exe: what Stowpouch spends on one new window of another
// process on a taskbar without Graftling: the decision and, for a pouch
// window, the DeleteTab call. The taskbar list object is the tests'
// recording stand-in (the real one's cost is the taskbar's, which Wine does
// not have), registered for the run only. The session key is written from
// the main window's queue once the events before it are done, as in
// Stowpouch: its time is shown apart, once per new pouch window here.
//   TaskbarButtonBench.exe [-n WINDOWS]
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/TaskbarButtons.h"
#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "settings/SettingsStore.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/taskbarlist/RecorderClient.h"
#include "tools/bench/BenchStats.h"
#include "windows/ClassNames.h"

namespace {

constexpr double kGoalUs = 1000.0;

double Frequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(frequency.QuadPart);
}

struct Samples {
  std::vector<double> pouch;  // decision and DeleteTab
  std::vector<double> other;  // decision alone
  std::vector<double> store;  // the queued session-key write
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTaskbarWindowEventMessage && lParam == kStoreTakenWindows) {
    TheTaskbarButtons().StoreQueued();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Stands in for Stowpouch's main window: the buttons' record posts to it.
HWND CreateMainWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TaskbarButtonBenchMain";
  RegisterClassA(&windowClass);
  return CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                       windowClass.hInstance, nullptr);
}

double Elapsed(const LARGE_INTEGER& start) {
  static const double frequency = Frequency();
  LARGE_INTEGER end;
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / frequency;
}

// Half the new windows are folders (two plain children each, as a frame
// has), half ordinary applications.
bool Measure(farm::WindowFarm& farm, const taskbarlist::TaskbarListRecorder& recorder, int n,
             Samples* samples) {
  TheTaskbarButtons().Follow(true, true);
  for (int index = 0; index < n; ++index) {
    const bool folder = index % 2 == 0;
    farm::WindowSpec spec = farm::Spec(folder ? "CabinetWClass" : "BenchApp",
                                       (folder ? "Folder " : "Application ") + std::to_string(index));
    spec.plainChildren = folder ? 2 : 0;
    spec.x = 10 + (index * 37) % 600;
    spec.y = 10 + (index * 23) % 400;
    const HWND window = farm.Create(spec);
    if (!window) {
      std::fprintf(stderr, "the farm could not make window %d\n", index);
      return false;
    }
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    TheTaskbarButtons().OnWindowEvent(window, true);
    (folder ? samples->pouch : samples->other).push_back(Elapsed(start));
    QueryPerformanceCounter(&start);
    MSG message;
    bool stored = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      stored = stored || message.message == kTaskbarWindowEventMessage;
      DispatchMessageA(&message);
    }
    if (stored) samples->store.push_back(Elapsed(start));
    const int expected = folder ? 1 : 0;
    if (recorder.Count(taskbarlist::kDeleteTab, window) != expected) {
      std::fprintf(stderr, "window %d: %d DeleteTab calls, not %d\n", index,
                   recorder.Count(taskbarlist::kDeleteTab, window), expected);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int n = 200;
  if (argc == 3 && std::strcmp(argv[1], "-n") == 0) n = std::atoi(argv[2]);
  if (n < 2 || n > 5000) {
    std::fprintf(stderr, "usage: TaskbarButtonBench [-n WINDOWS]\n");
    return 2;
  }
  CoInitialize(nullptr);
  int result = 1;
  bool goalMet = true;
  {
    LoadBuiltInClassNames();
    Settings() = SettingsRecord();
    const taskbarlist::TaskbarListRecorder recorder;
    farm::WindowFarm farm;
    const UniqueWindow mainWindow(CreateMainWindow());
    SetMainWindow(mainWindow.Get());
    if (!recorder.Registered() || !farm.Running() || !mainWindow) {
      std::fprintf(stderr, "the stand-in or the farm is not there\n");
    } else {
      struct Case {
        const char* name;
        int iexplorer;
      };
      // With a switch off, a frame's descendants decide and are searched.
      const Case cases[] = {{"both frame switches on", 1}, {"IExplorer off", 0}};
      result = 0;
      std::printf("%-24s %6s %16s %16s %12s %16s\n", "settings", "N", "pouch_median_us",
                  "other_median_us", "pouch_p90_us", "store_median_us");
      for (const Case& c : cases) {
        Settings().IExplorer = c.iexplorer;
        Samples samples;
        if (!Measure(farm, recorder, n, &samples)) {
          result = 1;
          break;
        }
        const double pouch = bench::Median(samples.pouch);
        std::printf("%-24s %6d %16.1f %16.1f %12.1f %16.1f\n", c.name, n, pouch,
                    bench::Median(samples.other), bench::Percentile(samples.pouch, 90),
                    samples.store.empty() ? 0.0 : bench::Median(samples.store));
        if (pouch >= kGoalUs) goalMet = false;
      }
      TheTaskbarButtons().GiveBackAll();
      std::printf("goal: median < %.0f us per new window %s\n", kGoalUs,
                  goalMet ? "met" : "NOT met");
    }
  }
  CoUninitialize();
  return result;
}
