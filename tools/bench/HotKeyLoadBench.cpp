// HotKeyLoadBench: how long reading a "HotKey.lst" of 1,000 shortcuts takes,
// from opening the file to the last record appended to a list, without
// registering any key (that cost belongs to the system). Built twice: for
// Windows, where it times ReadHotKeyFile itself under Wine, and natively,
// where it times reading the file and DecodeHotKeyList.
//   HotKeyLoadBench [-n SHORTCUTS] [-r REPETITIONS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hotkeys/HotKeyFile.h"
#include "tools/bench/HotKeyBenchList.h"
#ifdef _WIN32
#include "hotkeys/HotKeyStore.h"
#endif

namespace {

constexpr double kGoalMs = 5.0;

#ifdef _WIN32
constexpr char kWhere[] = "ReadHotKeyFile (Windows build)";

bool LoadOnce(std::vector<CHotKeyItem>& list) {
  return ReadHotKeyFile([&](CHotKeyItem item) { list.push_back(std::move(item)); });
}
#else
constexpr char kWhere[] = "read + DecodeHotKeyList (native build)";

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

bool LoadOnce(std::vector<CHotKeyItem>& list) {
  std::ifstream in("HotKey.lst", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeHotKeyList(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                          Narrow, [&](CHotKeyItem item) { list.push_back(std::move(item)); }) ==
         HotKeyDecodeResult::kComplete;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  int count = 1000;
  int repetitions = 200;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "-n") == 0) count = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "-r") == 0) repetitions = std::max(1, std::atoi(argv[i + 1]));
  }
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "stowpouch-hotkey-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  const std::string bytes = EncodeHotKeyList(BenchHotKeyList(count));
  std::ofstream("HotKey.lst", std::ios::binary).write(bytes.data(), bytes.size());

  std::vector<double> ms;
  double first = 0;
  for (int run = 0; run <= repetitions; ++run) {
    std::vector<CHotKeyItem> list;
    const auto start = std::chrono::steady_clock::now();
    const bool read = LoadOnce(list);
    const auto stop = std::chrono::steady_clock::now();
    if (!read || list.size() != static_cast<std::size_t>(count)) {
      std::fprintf(stderr, "the list did not load (%zu of %d)\n", list.size(), count);
      return 1;
    }
    const double took = std::chrono::duration<double, std::milli>(stop - start).count();
    if (run == 0)
      first = took;
    else
      ms.push_back(took);
  }
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf("HotKey.lst of %d shortcuts (%zu bytes), %s: first run %.3f ms, then %d runs:\n",
              count, bytes.size(), kWhere, first, repetitions);
  std::printf("  min %.3f ms   median %.3f ms   max %.3f ms   (goal: under %.0f ms) %s\n",
              ms.front(), median, ms.back(), kGoalMs, median < kGoalMs ? "ok" : "TOO SLOW");
  std::filesystem::current_path(folder.parent_path());
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return median < kGoalMs ? 0 : 2;
}
