// GraftlingBench.exe: what Graftling's taskbar filter costs the shell, in the
// stand-in shell on a tab control of the common controls.
//   GraftlingBench.exe [-m MESSAGES] [-r ROUNDS]
//
// Pass-through: MESSAGES messages that the tab control answers at once,
// with the filter in front of it against the same control alone and behind
// a procedure that only passes them on. Each round times all three, so
// drift of the machine falls on them alike; the ratios are of the medians.
// Decision: one insertion of an item for a "CabinetWClass" window of
// another process with 200 plain children and no document view, the worst
// case: with one frame switch off, the filter searches every descendant.
// With both on (the defaults) it searches none; both are printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "common/SharedNames.h"
#include "framework/Registry.h"
#include "settings/SettingsRecord.h"
#include "shellext/GraftlingIds.h"
#include "tools/bench/BenchStats.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"

namespace {

constexpr double kGoalRatio = 1.05;
constexpr double kGoalDecisionUs = 50.0;
constexpr int kDescendants = 200;
constexpr std::uint32_t kInsertions = 201;
constexpr int kLooks = 1000;

struct Options {
  std::uint32_t messages = 100000;
  int rounds = 7;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    if (i + 1 >= argc) return false;
    const long value = std::strtol(argv[++i], nullptr, 10);
    if (value <= 0) return false;
    if (std::strcmp(argv[i - 1], "-m") == 0)
      options->messages = static_cast<std::uint32_t>(value);
    else if (std::strcmp(argv[i - 1], "-r") == 0)
      options->rounds = static_cast<int>(value);
    else
      return false;
  }
  return true;
}

using bench::Median;

// The bench runs in the build's own Wine prefix; still, it puts back the
// two switches it turns.
class SwitchSettings {
 public:
  SwitchSettings() : key_(RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKeyPath)) {
    int32_t value = 0;
    if (key_.QueryNumber("Folder", value)) folder_ = value;
    if (key_.QueryNumber("IExplorer", value)) iexplorer_ = value;
  }
  ~SwitchSettings() {
    Restore("Folder", folder_);
    Restore("IExplorer", iexplorer_);
  }
  SwitchSettings(const SwitchSettings&) = delete;
  SwitchSettings& operator=(const SwitchSettings&) = delete;

  bool Set(int32_t folder, int32_t iexplorer) const {
    return key_.SetNumber("Folder", folder) && key_.SetNumber("IExplorer", iexplorer);
  }

 private:
  void Restore(const char* name, std::optional<int32_t> value) const {
    if (value)
      key_.SetNumber(name, *value);
    else
      RegDeleteValueA(key_.Get(), name);
  }

  RegistryKey key_;
  std::optional<int32_t> folder_, iexplorer_;
};

bool Toggle(const standin::StandInShell& shell) {
  return shell.ServeLoadRequest(CLSID_Graftling) == CLASS_E_CLASSNOTAVAILABLE;
}

bool Reload(const standin::StandInShell& shell) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(shell.TabControl(), RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME),
                             kMsgReloadFilter, 0, SMTO_ABORTIFHUNG, 10000, &answer) &&
         answer == kMsgReloadAnswer;
}

struct PassThrough {
  double bareUs = 0.0;      // per message, the tab control alone
  double subclassUs = 0.0;  // behind a procedure that only passes it on
  double filterUs = 0.0;    // behind Graftling's filter
};

double PerMessageUs(std::optional<std::int64_t> nanoseconds, std::uint32_t messages) {
  return static_cast<double>(*nanoseconds) / 1e3 / messages;
}

// The filter is off at the start and at the end of each round. The plain
// procedure in front shows what any window procedure put in front of the
// control costs, whoever writes it.
std::optional<PassThrough> MeasurePassThrough(const standin::StandInShell& shell,
                                              const Options& options) {
  std::vector<double> bare, subclass, filter;
  for (int round = 0; round < options.rounds; ++round) {
    const auto alone = shell.TimeMessages(options.messages);
    if (!alone || !shell.SubclassOnTop()) return std::nullopt;
    const auto passedOn = shell.TimeMessages(options.messages);
    if (!passedOn || !shell.RemoveTopSubclass() || !Toggle(shell)) return std::nullopt;
    const auto filtered = shell.TimeMessages(options.messages);
    if (!filtered || !Toggle(shell)) return std::nullopt;
    bare.push_back(PerMessageUs(alone, options.messages));
    subclass.push_back(PerMessageUs(passedOn, options.messages));
    filter.push_back(PerMessageUs(filtered, options.messages));
    std::fprintf(stderr, "round %d: %.3f / %.3f / %.3f us per message\n", round + 1,
                 bare.back(), subclass.back(), filter.back());
  }
  return PassThrough{Median(bare), Median(subclass), Median(filter)};
}

// What one look at another process's window costs here, to read the
// decision time by.
double MicrosecondsPerLook(HWND window) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kLooks; ++i) GetWindow(window, GW_CHILD);
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart) / kLooks;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: GraftlingBench [-m MESSAGES] [-r ROUNDS]\n");
    return 2;
  }
  const standin::ServerRegistration registration;
  const SwitchSettings settings;
  const standin::StandInShell shell(standin::protocol::kBareOption);
  farm::WindowFarm farm;
  if (!registration.Registered() || !shell.Running() || !farm.Running()) {
    std::fprintf(stderr, "regsvr32, StandInShell.exe or WindowFarm.exe failed\n");
    return 1;
  }
  farm::WindowSpec spec;
  spec.className = "CabinetWClass";
  spec.title = "Folder with 200 children";
  spec.state = farm::ShowState::kHidden;
  spec.plainChildren = kDescendants;
  const HWND folder = farm.Create(spec);
  if (!folder || !settings.Set(1, 0)) {
    std::fprintf(stderr, "the folder window or the settings could not be made\n");
    return 1;
  }

  const std::optional<PassThrough> passThrough = MeasurePassThrough(shell, options);
  if (!passThrough) {
    std::fprintf(stderr, "the stand-in shell stopped answering\n");
    return 1;
  }
  if (!Toggle(shell)) return 1;
  const auto searched = shell.TimeInsertion(folder, kInsertions);
  if (!settings.Set(1, 1) || !Reload(shell)) return 1;
  const auto unsearched = shell.TimeInsertion(folder, kInsertions);
  Toggle(shell);
  if (!searched || !unsearched || shell.HasItem(folder)) {
    std::fprintf(stderr, "the insertions were not timed, or the folder was not filtered\n");
    return 1;
  }
  const double searchedUs = static_cast<double>(*searched) / 1e3;
  std::printf("decision (median of %u): %d descendants searched %.1f us, none searched %.1f us\n",
              kInsertions, kDescendants, searchedUs, static_cast<double>(*unsearched) / 1e3);
  std::printf("one look at another process's window: %.2f us\n", MicrosecondsPerLook(folder));
  const double ratio = passThrough->filterUs / passThrough->bareUs;
  std::printf("pass-through (median of %d rounds of %u messages), us per message: tab control "
              "alone %.3f, behind a plain procedure %.3f, behind the filter %.3f\n",
              options.rounds, options.messages, passThrough->bareUs, passThrough->subclassUs,
              passThrough->filterUs);
  std::printf("filter against a plain procedure: %.3f\n",
              passThrough->filterUs / passThrough->subclassUs);
  std::printf("goal: pass-through ratio <= %.2f  %s (%.3f)\n", kGoalRatio,
              ratio <= kGoalRatio ? "met" : "NOT met", ratio);
  std::printf("goal: decision with %d descendants <= %.0f us  %s (%.1f us)\n", kDescendants,
              kGoalDecisionUs, searchedUs <= kGoalDecisionUs ? "met" : "NOT met", searchedUs);
  std::fflush(stdout);
  return 0;
}
