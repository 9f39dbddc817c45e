// The model-to-screen mapping: half-even rounding, the normal view, clamps, and the way back.

#include "view/ViewMapping.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"

namespace lm {
namespace {

ViewState UnitView() {
    ViewState v;
    v.ViewScale = 1;
    return v;
}

TEST(ViewMapping, RoundsHalvesToEven) {
    const ViewState v = UnitView();
    EXPECT_EQ(ToScreenX(v, 0.5L), 0);
    EXPECT_EQ(ToScreenX(v, 1.5L), 2);
    EXPECT_EQ(ToScreenX(v, 2.5L), 2);
    EXPECT_EQ(ToScreenX(v, -2.5L), -2);
    EXPECT_EQ(ToScreenX(v, 2.5000001L), 3);
    // y is inverted: model -1.5 is screen +1.5.
    EXPECT_EQ(ToScreenY(v, -1.5L), 2);
    EXPECT_EQ(ToScreenY(v, 0.5L), 0);
    EXPECT_EQ(ToScreenLength(v, 2.5L), 2);
    EXPECT_EQ(ToScreenLength(v, 3.5L), 4);
}

TEST(ViewMapping, NormalViewPlacesTheRockerPivot) {
    Model m;
    StartUp(m);
    // 8.13 * 28.5 + 110 = 341.705; -1.3 * 28.5 + 270 = 232.95
    EXPECT_EQ(ToScreen(m.View, m.P(RockerPivot)), (ScreenPoint{342, 233}));
    EXPECT_EQ(ToScreenLength(m.View, 1), 28);  // 28.5 rounds to even

    ModelPoint back;
    ASSERT_TRUE(ToModel(m.View, {342, 233}, back));
    EXPECT_NEAR(static_cast<double>(back.x), 232.0 / 28.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(back.y), 37.0 / 28.5, 1e-12);
}

TEST(ViewMapping, NonFiniteAndHugeValuesAreClampedNotConverted) {
    const ViewState v = UnitView();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(ToScreenX(v, nan), 0);
    EXPECT_EQ(ToScreenX(v, 1e30L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ToScreenY(v, 1e30L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ToScreenX(v, -inf), std::numeric_limits<std::int32_t>::min());

    ViewState broken = v;
    broken.ViewScale = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ToScreenX(broken, 0), 0);  // inf * 0 is NaN

    // Pixel offsets from a clamped point stay at the edge.
    const ScreenPoint edge{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    EXPECT_EQ(Offset(edge, 5, -6), edge);
    EXPECT_EQ(Offset({1, 2}, 5, -6), (ScreenPoint{6, -4}));
}

TEST(ViewMapping, ScreenToModelRefusesAScaleItCannotDivideBy) {
    ViewState v = UnitView();
    v.ViewScale = 0;
    ModelPoint p{1, 1};
    EXPECT_FALSE(ToModel(v, {10, 10}, p));
    EXPECT_EQ(p.x, 0);
    v.ViewScale = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(ToModel(v, {10, 10}, p));
}

TEST(ViewMapping, MapPivotsMapsTheFirst24AndTheHandleFromTheArmSetting) {
    Model m;
    StartUp(m);
    m.P(23) = {1, 1, 0, 0};
    m.P(24) = {1, 1, -7, -7};
    m.P(ReverseArmEnd).X = 100;  // the handle follows RevArmPos, not X18
    m.Gear.RevArmPos = 2;
    MapPivots(m);
    EXPECT_EQ(m.P(23).SX, 138);  // 28.5 + 110 = 138.5, to even
    EXPECT_EQ(m.P(23).SY, 242);  // 270 - 28.5 = 241.5, to even
    EXPECT_EQ(m.P(24).SX, -7);
    EXPECT_EQ(m.P(ReverseArmEnd).SX, 167);
}

}  // namespace
}  // namespace lm
