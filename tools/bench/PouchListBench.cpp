// PouchListBench.exe: how much the pouch lists cost beyond one bare pass
// over the top-level windows, on a desktop of 10, 100 and 1000 windows of
// another process.
//   PouchListBench.exe [-n 10,100,1000] [-r REPETITIONS]
//
// The floor is the least any list can do: one EnumWindows pass reading each
// window's class and title. BuildPouchLists and BuildOtherWindowList are
// timed on the same windows in the same run, their calls interleaved with
// the floor's so that drift of the machine falls on all three alike.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "tools/bench/BenchStats.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "windows/ClassNames.h"
#include "windows/WindowLists.h"

namespace {

constexpr double kGoalRatio = 1.5;
constexpr int kWarmUpCalls = 3;
constexpr char kUserClass[] = "BenchNotepad";

struct Options {
  std::vector<int> counts{10, 100, 1000};
  int repetitions = 0;  // 0: by N
};

// Each slot of a block of ten, as on a real desktop: most top-level windows
// are hidden helpers, then come ordinary applications, then pouch windows.
//   0-3  hidden "BenchHelper": two untitled zero-sized pop-ups, two titled
//   4-6  visible "BenchApp", the last of them minimised
//   7    "CabinetWClass" folder: two plain children, no document view
//   8    page: "CabinetWClass" (even blocks) or "IEFRAME" (odd blocks), two
//        plain children and a "Shell DocObject View" grandchild
//   9    "BenchNotepad" of the user's class list (even blocks) or
//        "ExploreWClass" (odd blocks)
// Of every ten: 3 pouch windows, 3 other windows, 4 not candidates at all.
// N that is not a multiple of ten ends with a partial block.
farm::WindowSpec SpecForSlot(int index) {
  const int slot = index % 10;
  const bool evenBlock = (index / 10) % 2 == 0;
  farm::WindowSpec spec;
  // Spread over the desktop so no two windows share a rectangle.
  spec.x = 10 + (index * 37) % 600;
  spec.y = 10 + (index * 23) % 400;
  spec.width = 320;
  spec.height = 200;
  const std::string number = std::to_string(index);
  switch (slot) {
    case 0:
    case 1:
      spec.className = "BenchHelper";
      spec.title = "";
      spec.popup = true;
      spec.width = 0;
      spec.height = 0;
      spec.state = farm::ShowState::kHidden;
      break;
    case 2:
    case 3:
      spec.className = "BenchHelper";
      spec.title = "Helper " + number;
      spec.state = farm::ShowState::kHidden;
      break;
    case 4:
    case 5:
    case 6:
      spec.className = "BenchApp";
      spec.title = "Application " + number;
      spec.state = slot == 6 ? farm::ShowState::kMinimized : farm::ShowState::kNormal;
      break;
    case 7:
      spec.className = "CabinetWClass";
      spec.title = "Folder " + number;
      spec.plainChildren = 2;
      break;
    case 8:
      spec.className = evenBlock ? "CabinetWClass" : "IEFRAME";
      spec.title = "Page " + number;
      spec.plainChildren = 2;
      spec.documentViewDepth = 2;
      break;
    default:
      spec.className = evenBlock ? kUserClass : "ExploreWClass";
      spec.title = (evenBlock ? "Notes " : "Explorer ") + number;
      break;
  }
  return spec;
}

// What the lists should hold of the farm's windows, from the slot table.
struct Expected {
  int pouch = 0;
  int other = 0;
};

Expected ExpectedOf(int count) {
  Expected expected;
  for (int index = 0; index < count; ++index) {
    const int slot = index % 10;
    if (slot >= 7) ++expected.pouch;
    else if (slot >= 4) ++expected.other;
  }
  return expected;
}

// --- the three measured calls ----------------------------------------------

struct FloorTally {
  unsigned windows = 0;
  unsigned characters = 0;
};

BOOL CALLBACK ReadNameAndTitle(HWND window, LPARAM context) {
  char className[256];
  char title[512];
  auto* tally = reinterpret_cast<FloorTally*>(context);
  tally->characters += static_cast<unsigned>(GetClassNameA(window, className, sizeof className));
  tally->characters += static_cast<unsigned>(GetWindowTextA(window, title, sizeof title));
  ++tally->windows;
  return TRUE;
}

// Kept outside the functions so the compiler cannot drop the work.
volatile unsigned g_sink = 0;

void FloorPass() {
  FloorTally tally;
  EnumWindows(ReadNameAndTitle, reinterpret_cast<LPARAM>(&tally));
  g_sink = g_sink + tally.characters;
}

void PouchPass() {
  PouchLists lists;
  BuildPouchLists(lists, 1);
  g_sink = g_sink + static_cast<unsigned>(lists[0].size());
}

void OtherPass() {
  WindowList list;
  BuildOtherWindowList(list, 1);
  g_sink = g_sink + static_cast<unsigned>(list.size());
}

// --- timing -----------------------------------------------------------------

double Frequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(frequency.QuadPart);
}

template <typename Pass>
double MicrosecondsOf(Pass pass) {
  static const double frequency = Frequency();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  pass();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / frequency;
}

using bench::Median;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int TopLevelWindowCount() {
  int count = 0;
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Row {
  int n = 0;
  int windows = 0;
  int repetitions = 0;
  double floorUs = 0.0;
  double pouchUs = 0.0;
  double otherUs = 0.0;
};

// The farm's windows that the real calls put in the lists, to be sure the
// timed work is the work the program does.
bool CheckLists(const farm::WindowFarm& farm, int n) {
  PouchLists lists;
  BuildPouchLists(lists, 1);
  int pouch = 0;
  for (const WindowList& list : lists) pouch += static_cast<int>(farm.Own(list).size());
  WindowList others;
  BuildOtherWindowList(others, 1);
  const int other = static_cast<int>(farm.Own(others).size());
  const Expected expected = ExpectedOf(n);
  if (pouch == expected.pouch && other == expected.other) return true;
  std::fprintf(stderr, "N=%d: the lists hold %d pouch and %d other farm windows, not %d and %d\n",
               n, pouch, other, expected.pouch, expected.other);
  return false;
}

bool Measure(int n, int repetitions, Row* row) {
  farm::WindowFarm farm;
  if (!farm.Running()) {
    std::fprintf(stderr, "WindowFarm.exe did not start\n");
    return false;
  }
  for (int index = 0; index < n; ++index) {
    if (!farm.Create(SpecForSlot(index))) {
      std::fprintf(stderr, "N=%d: the farm could not make window %d\n", n, index);
      return false;
    }
  }
  // The desktop's taskbar takes in the new windows on its own time; let it
  // finish before the clock runs.
  Sleep(500 + static_cast<DWORD>(n));
  if (!CheckLists(farm, n)) return false;

  for (int i = 0; i < kWarmUpCalls; ++i) {
    FloorPass();
    PouchPass();
    OtherPass();
  }
  std::vector<double> floor, pouch, other;
  for (int i = 0; i < repetitions; ++i) {
    floor.push_back(MicrosecondsOf(FloorPass));
    pouch.push_back(MicrosecondsOf(PouchPass));
    other.push_back(MicrosecondsOf(OtherPass));
  }
  row->n = n;
  row->windows = TopLevelWindowCount();
  row->repetitions = repetitions;
  row->floorUs = Median(floor);
  row->pouchUs = Median(pouch);
  row->otherUs = Median(other);
  return true;
}

// --- command line and report ------------------------------------------------

bool ParseCounts(const char* text, std::vector<int>* counts) {
  counts->clear();
  std::string rest = text;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string item = rest.substr(0, comma);
    char* end = nullptr;
    const long value = std::strtol(item.c_str(), &end, 10);
    if (item.empty() || *end != '\0' || value < 1 || value > 20000) return false;
    counts->push_back(static_cast<int>(value));
    rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
  }
  return !counts->empty();
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "-n") == 0 && hasValue) {
      if (!ParseCounts(argv[++i], &options->counts)) return false;
    } else if (std::strcmp(argv[i], "-r") == 0 && hasValue) {
      char* end = nullptr;
      const long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 1 || value > 100000) return false;
      options->repetitions = static_cast<int>(value);
    } else {
      return false;
    }
  }
  return true;
}

// A median needs enough samples to mean something, a thousand windows
// enough time per sample that fewer will do.
int RepetitionsFor(int n, const Options& options) {
  if (options.repetitions > 0) return options.repetitions;
  return n <= 100 ? 201 : 51;
}

double Ratio(double value, double floor) { return floor > 0.0 ? value / floor : 0.0; }

void PrintReport(const std::vector<Row>& rows) {
  std::printf("%6s %8s %6s %10s %10s %6s %10s %6s\n", "N", "windows", "reps", "floor_us",
              "pouch_us", "ratio", "other_us", "ratio");
  for (const Row& row : rows)
    std::printf("%6d %8d %6d %10.1f %10.1f %6.2f %10.1f %6.2f\n", row.n, row.windows,
                row.repetitions, row.floorUs, row.pouchUs, Ratio(row.pouchUs, row.floorUs),
                row.otherUs, Ratio(row.otherUs, row.floorUs));
  std::printf("\nper window (us): \n");
  for (const Row& row : rows) {
    const double windows = row.windows > 0 ? row.windows : 1;
    std::printf("N=%-6d floor %7.3f  pouch %7.3f  other %7.3f\n", row.n, row.floorUs / windows,
                row.pouchUs / windows, row.otherUs / windows);
  }
  std::printf("\n");
  struct Column {
    const char* name;
    double Row::*value;
  };
  const Column columns[] = {{"BuildPouchLists", &Row::pouchUs},
                            {"BuildOtherWindowList", &Row::otherUs}};
  for (const Column& column : columns) {
    double worst = 0.0;
    int worstN = 0;
    for (const Row& row : rows) {
      const double ratio = Ratio(row.*column.value, row.floorUs);
      if (ratio > worst) {
        worst = ratio;
        worstN = row.n;
      }
    }
    std::printf("goal: ratio <= %.1f  %-21s %s (worst %.2f at N=%d)\n", kGoalRatio, column.name,
                worst <= kGoalRatio ? "met" : "NOT met", worst, worstN);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: PouchListBench [-n 10,100,1000] [-r REPETITIONS]\n");
    return 2;
  }
  LoadBuiltInClassNames();
  Settings() = SettingsRecord();
  Settings().UserClassName = {kUserClass};

  std::vector<Row> rows;
  for (const int n : options.counts) {
    Row row;
    if (!Measure(n, RepetitionsFor(n, options), &row)) return 1;
    rows.push_back(row);
    std::fprintf(stderr, "N=%d measured\n", n);
  }
  PrintReport(rows);
  std::fflush(stdout);
  return 0;
}
