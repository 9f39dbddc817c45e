// Typed-number reading, strict parsing, "w.d" text, rounding and angle wrapping.

#include "common/Numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace lm {
namespace {

TEST(TypedNumber, ReadsSignDigitsAndOnePointAndStopsAtTheFirstBadCharacter) {
    EXPECT_FLOAT_EQ(ParseTypedNumber("3.25"), 3.25f);
    EXPECT_FLOAT_EQ(ParseTypedNumber("-0.5"), -0.5f);
    EXPECT_FLOAT_EQ(ParseTypedNumber("12-3"), 12.0f);
    EXPECT_FLOAT_EQ(ParseTypedNumber("1.2.3"), 1.2f);
    EXPECT_FLOAT_EQ(ParseTypedNumber(".5"), 0.5f);
    EXPECT_EQ(ParseTypedNumber(""), 0.0f);
    EXPECT_EQ(ParseTypedNumber("-"), 0.0f);
    EXPECT_EQ(ParseTypedNumber("abc"), 0.0f);
    // A right-aligned "w.d" text taken back as it is shown reads as its value.
    EXPECT_FLOAT_EQ(ParseTypedNumber(FormatFixed(-1.5, 7, 3)), -1.5f);
    EXPECT_EQ(ParseTypedNumber("  "), 0.0f);
    EXPECT_FALSE(std::signbit(ParseTypedNumber("--2")));
}

TEST(TypedNumber, NeverGivesANonFiniteValue) {
    const std::string huge(400, '9');
    const float v = ParseTypedNumber(huge);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(v, std::numeric_limits<float>::max());
    EXPECT_EQ(ParseTypedNumber("-" + huge), -std::numeric_limits<float>::max());
    // Just past the largest single, past the extended range, and digits after a point
    // that follows an overflow: all the largest single of their sign, never infinity.
    EXPECT_EQ(ParseTypedNumber("340282357000000000000000000000000000000"), std::numeric_limits<float>::max());
    EXPECT_EQ(ParseTypedNumber(std::string(6000, '9') + ".5"), std::numeric_limits<float>::max());
    EXPECT_EQ(ParseTypedNumber("-" + std::string(6000, '7') + "x"), -std::numeric_limits<float>::max());
}

TEST(StrictNumber, AcceptsPlainNumbersOnly) {
    double v = 0;
    EXPECT_TRUE(ParseStrictNumber("1e-3", v));
    EXPECT_DOUBLE_EQ(v, 0.001);
    EXPECT_TRUE(ParseStrictNumber("-7.25", v));
    EXPECT_FALSE(ParseStrictNumber("", v));
    EXPECT_FALSE(ParseStrictNumber("nan", v));
    EXPECT_FALSE(ParseStrictNumber("inf", v));
    EXPECT_FALSE(ParseStrictNumber("1e999", v));
    EXPECT_FALSE(ParseStrictNumber("0x10", v));
    EXPECT_FALSE(ParseStrictNumber("3 ", v));
}

TEST(FixedText, IsRightAlignedInAtLeastTheWidth) {
    EXPECT_EQ(FormatFixed(3.14159, 7, 3), "  3.142");
    EXPECT_EQ(FormatFixed(-12345.5, 5, 1), "-12345.5");
    EXPECT_EQ(FormatFixed(0, 5, 3), "0.000");
}

TEST(RoundToInt, RoundsHalvesToEvenAndClampsWhatAnIntCannotHold) {
    EXPECT_EQ(RoundToInt(2.5L), 2);
    EXPECT_EQ(RoundToInt(3.5L), 4);
    EXPECT_EQ(RoundToInt(-2.5L), -2);
    EXPECT_EQ(RoundToInt(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundToInt(std::numeric_limits<long double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt(-1e30L), std::numeric_limits<std::int32_t>::min());
}

TEST(WrapDegrees, BringsAnyAngleIntoZeroTo360) {
    EXPECT_FLOAT_EQ(WrapDegrees(370), 10);
    EXPECT_FLOAT_EQ(WrapDegrees(-10), 350);
    EXPECT_FLOAT_EQ(WrapDegrees(360), 0);
    EXPECT_FLOAT_EQ(WrapDegrees(720.5f), 0.5f);
    for (float huge : {1e9f, -1e9f, 3e38f, -3e38f}) {
        const float a = WrapDegrees(huge);
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
    }
}

// Adding 360 to a tiny negative angle rounds to 360 itself; that is the documented
// upper end, and it must stand for the same position as 0.
TEST(WrapDegrees, ATinyNegativeAngleComesOutAsExactly360) {
    EXPECT_EQ(WrapDegrees(-1e-6f), 360.0f);
    EXPECT_LT(WrapDegrees(-2e-5f), 360.0f);
    for (float a = -1e-9f; a > -1e-4f; a *= 1.5f) {
        const float w = WrapDegrees(a);
        EXPECT_GE(w, 0) << a;
        EXPECT_LE(w, 360) << a;
    }
}

}  // namespace
}  // namespace lm
