#include "outside/KeyChord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using outside::KeyChord;

enum : unsigned {
  kShift = 0x10, kControl = 0x11, kMenu = 0x12, kLWin = 0x5B, kRWin = 0x5C,
  kLShift = 0xA0, kRShift = 0xA1, kLControl = 0xA2, kRMenu = 0xA5, kM = 'M', kE = 'E',
};

struct Key {
  unsigned vk;
  bool down;
};
Key D(unsigned vk) { return {vk, true}; }
Key U(unsigned vk) { return {vk, false}; }

struct ChordCase {
  const char* name;
  std::vector<Key> keys;
  std::string expected;  // "modifiers:vk" per report, space-separated
};

const ChordCase kChordCases[] = {
    {"LeftWinM", {D(kLWin), D(kM), U(kM), U(kLWin)}, "8:77"},
    {"RightWinM", {D(kRWin), D(kM), U(kM), U(kRWin)}, "8:77"},
    {"WinShiftM", {D(kLWin), D(kLShift), D(kM), U(kM), U(kLShift), U(kLWin)}, "12:77"},
    {"ShiftPressedFirst", {D(kRShift), D(kRWin), D(kM), U(kRWin), U(kRShift)}, "12:77"},
    {"GenericShift", {D(kLWin), D(kShift), D(kM), U(kShift), D(kE)}, "12:77 8:69"},
    {"CtrlAltWin", {D(kLControl), D(kRMenu), D(kLWin), D(kE)}, "11:69"},
    {"GenericCtrlAlt", {D(kControl), D(kMenu), D(kRWin), D(kE)}, "11:69"},
    {"NoWindowsKey", {D(kLShift), D(kM), U(kM), U(kLShift)}, ""},
    {"ModifiersOnly", {D(kLWin), D(kLShift), D(kLControl), D(kRMenu), U(kRMenu), U(kLWin)}, ""},
    {"AutoRepeatReportsOnce", {D(kLWin), D(kM), D(kM), D(kM), U(kM), D(kM)}, "8:77 8:77"},
    {"WinAutoRepeatKeepsState", {D(kLWin), D(kLWin), D(kLWin), D(kE)}, "8:69"},
    {"WinReleasedBeforeKey", {D(kLWin), U(kLWin), D(kM)}, ""},
    {"KeyHeldBeforeWin", {D(kM), D(kLWin), D(kM)}, ""},
    {"OneWinReleasedOtherHeld", {D(kLWin), D(kRWin), U(kLWin), D(kM)}, "8:77"},
    {"SidedShiftUpDropsGenericDown", {D(kShift), U(kLShift), D(kLWin), D(kM)}, "8:77"},
    {"GenericShiftUpDropsBothSides", {D(kLShift), D(kRShift), U(kShift), D(kLWin), D(kM)}, "8:77"},
    {"OutOfRangeCodesIgnored", {D(kLWin), D(0x100), D(0)}, ""},
};

class KeyChordTest : public testing::TestWithParam<ChordCase> {};

TEST_P(KeyChordTest, ReportsWindowsKeyCombinations) {
  KeyChord chord;
  std::string reports;
  for (const Key& key : GetParam().keys) {
    if (const auto c = chord.Feed(key.vk, key.down)) {
      reports += (reports.empty() ? "" : " ") + std::to_string(c->modifiers) + ":" + std::to_string(c->vk);
    }
  }
  EXPECT_EQ(GetParam().expected, reports);
}

INSTANTIATE_TEST_SUITE_P(Streams, KeyChordTest, testing::ValuesIn(kChordCases),
                         [](const testing::TestParamInfo<ChordCase>& info) { return info.param.name; });

// Windows key + Q taken: "t" its press, "s" a swallowed event, "8:69" a
// report; one mark per event.
struct TakeCase {
  const char* name;
  std::vector<Key> keys;
  std::string expected;
  bool windowsKeyDown = true;  // what the system says when a chord forms
};

const TakeCase kTakeCases[] = {
    {"PressRepeatsAndReleaseSwallowed", {D(kLWin), D('Q'), D('Q'), U('Q'), U(kLWin)}, ". t s s ."},
    {"ReleasedAfterTheWindowsKey", {D(kRWin), D('Q'), U(kRWin), U('Q'), D('Q')}, ". t . s ."},
    {"OtherChordsReported", {D(kLWin), D(kE), U(kE), D(kLShift), D('Q')}, ". 8:69 . . 12:81"},
    {"WindowsKeyNotReallyDown", {D(kLWin), D('Q'), U('Q'), D('Q')}, ". . . .", false},
    {"ReleaseNeverSeenReportsNothing", {D(kLWin), D(kE), U(kE), D(kE)}, ". . . .", false},
};

class KeyChordTakeTest : public testing::TestWithParam<TakeCase> {};

bool g_windowsKeyDown = true;

TEST_P(KeyChordTakeTest, TakesOneChordFromEveryoneElse) {
  g_windowsKeyDown = GetParam().windowsKeyDown;
  KeyChord chord;
  std::string marks;
  for (const Key& key : GetParam().keys) {
    const auto step = chord.Step(key.vk, key.down, {8, 'Q'}, [] { return g_windowsKeyDown; });
    std::string mark = step.taken ? "t" : step.swallow ? "s" : ".";
    if (step.report) mark = std::to_string(step.report->modifiers) + ":" + std::to_string(step.report->vk);
    marks += (marks.empty() ? "" : " ") + mark;
  }
  EXPECT_EQ(GetParam().expected, marks);
}

INSTANTIATE_TEST_SUITE_P(Streams, KeyChordTakeTest, testing::ValuesIn(kTakeCases),
                         [](const testing::TestParamInfo<TakeCase>& info) { return info.param.name; });

TEST(KeyChordResetTest, ForgetsHeldKeys) {
  KeyChord chord;
  chord.Feed(kLWin, true);
  chord.Reset();
  EXPECT_FALSE(chord.Feed(kM, true).has_value());
}

}  // namespace
