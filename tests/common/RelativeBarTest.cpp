// The relative bar's step rule for arrow and page clicks and for thumb drags.

#include "common/RelativeBar.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

// A user move followed by the handler's own reset to 0, as every bar sees it.
long double Move(RelativeBarMemory& m, int p, const RelativeBarRule& rule = kPanZoomBarRule) {
    const long double d = RelativeBarStep(m, p, rule);
    EXPECT_EQ(RelativeBarStep(m, 0, rule), 0);
    return d;
}

TEST(RelativeBar, ArrowAndPageClicksGiveTheSmallAndLargeSteps) {
    RelativeBarMemory m;
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 1)), 0.1);
    EXPECT_EQ(m, (RelativeBarMemory{0, 1}));
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 1)), 0.1);  // again, with before-last 1
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, -1)), -0.1);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 10)), 1.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, -10)), -1.0);

    RelativeBarMemory ref;
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(ref, 25, kRefPointBarRule)), 0.025);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(ref, -1, kRefPointBarRule)), -0.001);
    RelativeBarMemory dyn;
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(dyn, 10, kDynVarBarRule)), 0.01);
}

TEST(RelativeBar, DragsTakeTheirSignFromThePositionBeforeLast) {
    RelativeBarMemory m;
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 37)), 3.7);
    // Before-last is now 37: a shorter drag the same way counts backwards.
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 5)), -0.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, 6)), 0.6);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, -37)), -3.7);
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, -5)), 0.5);
    // A move of exactly 1 or a page from the last position is always a click.
    EXPECT_DOUBLE_EQ(static_cast<double>(Move(m, -1)), -0.1);
}

TEST(RelativeBar, ThumbDragWithoutResetComparesWithTheLastPosition) {
    RelativeBarMemory m;
    EXPECT_DOUBLE_EQ(static_cast<double>(RelativeBarStep(m, 3, kPanZoomBarRule)), 0.3);
    // 4 is one from the last position 3: read as an arrow click.
    EXPECT_DOUBLE_EQ(static_cast<double>(RelativeBarStep(m, 4, kPanZoomBarRule)), 0.4);
    EXPECT_EQ(m, (RelativeBarMemory{4, 3}));
    EXPECT_EQ(RelativeBarStep(m, 0, kPanZoomBarRule), 0);
    EXPECT_EQ(m, (RelativeBarMemory{0, 4}));
}

}  // namespace
}  // namespace lm
