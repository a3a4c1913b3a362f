#include "outside/EdgeHit.h"

#include <gtest/gtest.h>

#include "common/SharedNames.h"

namespace {

using outside::EdgeHitCode;
using outside::EdgeMask;
using outside::ScreenBounds;

constexpr EdgeMask kAll{true, true, true, true};
constexpr EdgeMask kNone{false, false, false, false};
constexpr ScreenBounds kSingle{0, 0, 1024, 768};
// A second monitor left of and above the primary one.
constexpr ScreenBounds kOffset{-1280, -200, 2304, 1224};

struct EdgeCase {
  const char* name;
  ScreenBounds screen;
  EdgeMask edges;
  int x, y;
  int expected;
};

const EdgeCase kEdgeCases[] = {
    {"LeftOuterColumn", kSingle, kAll, 0, 300, kMsgEdgeLeft},
    {"LeftOneIn", kSingle, kAll, 1, 300, kMsgEdgeLeft},
    {"LeftTwoIn", kSingle, kAll, 2, 300, kMsgEdgeLeft},
    {"LeftJustOutsideBand", kSingle, kAll, 3, 300, 0},
    {"RightOuterColumn", kSingle, kAll, 1023, 300, kMsgEdgeRight},
    {"RightTwoIn", kSingle, kAll, 1021, 300, kMsgEdgeRight},
    {"RightJustOutsideBand", kSingle, kAll, 1020, 300, 0},
    {"TopOuterRow", kSingle, kAll, 500, 0, kMsgEdgeTop},
    {"TopJustOutsideBand", kSingle, kAll, 500, 3, 0},
    {"BottomOuterRow", kSingle, kAll, 500, 767, kMsgEdgeBottom},
    {"BottomTwoIn", kSingle, kAll, 500, 765, kMsgEdgeBottom},
    {"BottomJustOutsideBand", kSingle, kAll, 500, 764, 0},
    {"Middle", kSingle, kAll, 512, 384, 0},
    {"TopLeftCornerGoesLeft", kSingle, kAll, 0, 0, kMsgEdgeLeft},
    {"BottomRightCornerGoesRight", kSingle, kAll, 1023, 767, kMsgEdgeRight},
    {"TopRightCornerWithoutRightGoesTop", kSingle, {true, true, false, true}, 1023, 0, kMsgEdgeTop},
    {"BottomLeftCornerWithoutLeftGoesBottom", kSingle, {false, true, true, true}, 0, 767, kMsgEdgeBottom},
    {"LeftDisabled", kSingle, {false, true, true, true}, 0, 300, 0},
    {"TopDisabled", kSingle, {true, false, true, true}, 500, 0, 0},
    {"NothingEnabled", kSingle, kNone, 0, 0, 0},
    {"OffScreenLeft", kSingle, kAll, -1, 300, 0},
    {"OffScreenBelow", kSingle, kAll, 500, 768, 0},
    {"OffsetLeftEdge", kOffset, kAll, -1280, 0, kMsgEdgeLeft},
    {"OffsetLeftTwoIn", kOffset, kAll, -1278, 0, kMsgEdgeLeft},
    {"OffsetLeftJustOutside", kOffset, kAll, -1277, 0, 0},
    {"OffsetTopEdge", kOffset, kAll, 0, -200, kMsgEdgeTop},
    {"OffsetPrimaryTopIsNotAnEdge", kOffset, kAll, 0, 0, 0},
    {"OffsetRightEdge", kOffset, kAll, 1023, 100, kMsgEdgeRight},
    {"OffsetBottomEdge", kOffset, kAll, 0, 1023, kMsgEdgeBottom},
    {"EmptyScreen", {0, 0, 0, 0}, kAll, 0, 0, 0},
};

class EdgeHitTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeHitTest, MapsPointToEdgeCode) {
  const EdgeCase& c = GetParam();
  EXPECT_EQ(c.expected, EdgeHitCode(c.screen, c.x, c.y, c.edges));
}

INSTANTIATE_TEST_SUITE_P(Points, EdgeHitTest, testing::ValuesIn(kEdgeCases),
                         [](const testing::TestParamInfo<EdgeCase>& info) { return info.param.name; });

}  // namespace
