// SPDX-License-Identifier: MIT
#include <cfloat>
#include <ostream>

#include "testSupport.h"

namespace {

using namespace Calculator;
using CalculatorTest::Digits15;
using CalculatorTest::ErrorKindOf;
using Kind = ArithmeticError::Kind;

constexpr double kUntouched = -12345.678;

TEST(CircleArea, UsesTheFifteenDigitCircleConstant)
{
    EXPECT_EQ(CircleArea(2.0), 3.14159265358979);
    EXPECT_NE(CircleArea(2.0), 3.141592653589793);
    EXPECT_EQ(CircleArea(0.0), 0.0);
    EXPECT_EQ(Digits15(CircleArea(50.0)), "1963.49540849362");
}

TEST(DiameterFromArea, InvertsCircleArea)
{
    EXPECT_EQ(DiameterFromArea(3.14159265358979), 2.0);
    EXPECT_EQ(DiameterFromArea(0.0), 0.0);
    EXPECT_EQ(Digits15(DiameterFromArea(12.5)), "3.98942280401433");
}

struct Division {
    double numerator, divisor, expected;
};

void PrintTo(const Division& d, std::ostream* os)
{
    *os << d.numerator << " over " << d.divisor;
}

class SafeDivideTable : public ::testing::TestWithParam<Division> {};

TEST_P(SafeDivideTable, TestsOnlyTheDivisor)
{
    const Division& d = GetParam();
    EXPECT_EQ(SafeDivide(d.numerator, d.divisor), d.expected)
        << d.numerator << " / " << d.divisor;
}

INSTANTIATE_TEST_SUITE_P(Cases, SafeDivideTable,
    ::testing::Values(Division{10, 4, 2.5}, Division{1000, 80, 12.5}, Division{0, 5, 0},
                      Division{1, 0, 0}, Division{-5, 0, 0}, Division{0, 0, 0},
                      Division{1, -0.0, 0}, Division{DBL_MAX, 0, 0}, Division{-9, 3, -3}));

// Imperial: inches, psi, pounds. Metric: mm, bar, newtons.
struct ForceCase {
    bool metric;
    double bore, rod, pressure;
    const char* push;
    const char* pull;
};

void PrintTo(const ForceCase& c, std::ostream* os)
{
    *os << (c.metric ? "metric" : "imperial") << " bore " << c.bore << " rod " << c.rod
        << " pressure " << c.pressure;
}

class CylinderForceTable : public ::testing::TestWithParam<ForceCase> {};

TEST_P(CylinderForceTable, PushAndPull)
{
    const ForceCase& c = GetParam();
    double push = kUntouched, pull = kUntouched;
    const bool ok = c.metric ? CylinderForceMetric(c.bore, c.rod, c.pressure, push, pull)
                             : CylinderForceImperial(c.bore, c.rod, c.pressure, push, pull);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Digits15(push), c.push);
    EXPECT_EQ(Digits15(pull), c.pull);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, CylinderForceTable,
    ::testing::Values(ForceCase{false, 2, 0.625, 80, "251.327412287183", "226.783719681013"},
                      ForceCase{true, 50, 20, 6, "1178.09724509617", "989.601685880784"},
                      // a rod larger than the bore is no error
                      ForceCase{false, 1, 2, 100, "78.5398163397447", "-235.619449019234"},
                      ForceCase{false, 0, 0, 80, "0", "0"},
                      ForceCase{true, 50, 0, 0, "0", "0"}));

// The same cases to the last bit, against the formulas evaluated step by step
// in double arithmetic, each step rounded, in the order written. A fused
// multiply-add or a regrouping (e.g. 0.1 applied after the pressure) shows here.
TEST(CylinderForceBits, LastBit)
{
    double push = 0, pull = 0;
    CylinderForceImperial(2, 0.625, 80, push, pull);
    EXPECT_EQ(push, 251.3274122871832);
    EXPECT_EQ(pull, 226.78371968101294);
    CylinderForceMetric(50, 20, 6, push, pull);
    EXPECT_EQ(push, 1178.0972450961713);
    EXPECT_EQ(pull, 989.6016858807839);
    CylinderForceImperial(1, 2, 100, push, pull);
    EXPECT_EQ(push, 78.53981633974475);
    EXPECT_EQ(pull, -235.61944901923425);
    // here the pressure applied before the 0.1 would give ...931 and ...770
    CylinderForceMetric(32, 12, 5, push, pull);
    EXPECT_EQ(push, 402.1238596594932);
    EXPECT_EQ(pull, 345.5751918948769);
}

struct AreaCase {
    bool metric;
    double force, pressure, safetyFactor;
    const char* area;
    const char* bore;
};

void PrintTo(const AreaCase& c, std::ostream* os)
{
    *os << (c.metric ? "metric" : "imperial") << " force " << c.force << " pressure "
        << c.pressure << " safety factor " << c.safetyFactor;
}

class AreaRequiredTable : public ::testing::TestWithParam<AreaCase> {};

TEST_P(AreaRequiredTable, AreaThenMinimumBore)
{
    const AreaCase& c = GetParam();
    double area = kUntouched, bore = kUntouched;
    const bool ok = c.metric ? AreaRequiredMetric(c.force, c.pressure, c.safetyFactor, area)
                             : AreaRequiredImperial(c.force, c.pressure, c.safetyFactor, area);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(MinimumBore(area, bore));
    EXPECT_EQ(Digits15(area), c.area);
    EXPECT_EQ(Digits15(bore), c.bore);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, AreaRequiredTable,
    ::testing::Values(AreaCase{false, 1000, 80, 1, "12.5", "3.98942280401433"},
                      AreaCase{true, 1000, 6, 1, "1666.66666666667", "46.0658865961781"},
                      AreaCase{false, 500, 80, 1, "6.25", "2.82094791773878"},
                      AreaCase{true, 2000, 6, 1, "3333.33333333333", "65.147001587056"},
                      // a pressure of 0 gives no area and no bore
                      AreaCase{false, 1000, 0, 1, "0", "0"},
                      AreaCase{true, 1000, 0, 1, "0", "0"},
                      AreaCase{true, 1000, 0, 2, "0", "0"}));

// A safety factor of 0 (the field's start-up text) means no margin; any other
// factor scales the required area.
INSTANTIATE_TEST_SUITE_P(SafetyFactor, AreaRequiredTable,
    ::testing::Values(AreaCase{false, 1000, 80, 0, "12.5", "3.98942280401433"},
                      AreaCase{false, 1000, 80, 1, "12.5", "3.98942280401433"},
                      AreaCase{false, 1000, 80, 2, "25", "5.64189583547757"},
                      AreaCase{false, 1000, 80, 1.5, "18.75", "4.8860251190292"},
                      AreaCase{true, 1000, 6, 0, "1666.66666666667", "46.0658865961781"},
                      AreaCase{true, 1000, 6, 1, "1666.66666666667", "46.0658865961781"},
                      AreaCase{true, 1000, 6, 2, "3333.33333333333", "65.147001587056"},
                      AreaCase{true, 1000, 6, -0.0, "1666.66666666667", "46.0658865961781"}));

// ---- arithmetic errors: the step stops the function, later outputs stay ----

TEST(CylinderArithmeticErrors, PlainFunctions)
{
    EXPECT_EQ(ErrorKindOf([] { CircleArea(1e200); }), Kind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { CircleArea(-1e200); }), Kind::Overflow);
    EXPECT_EQ(ErrorKindOf([] { DiameterFromArea(-1.0); }), Kind::InvalidOperation);
    EXPECT_EQ(ErrorKindOf([] { DiameterFromArea(-1e-300); }),
              Kind::InvalidOperation);
    EXPECT_EQ(ErrorKindOf([] { SafeDivide(1e300, 1e-300); }), Kind::Overflow);
}

TEST(CylinderArithmeticErrors, HugeBoreLeavesBothForcesUntouched)
{
    for (bool metric : {false, true}) {
        double push = kUntouched, pull = kUntouched;
        EXPECT_EQ(ErrorKindOf([&] {
                      metric ? CylinderForceMetric(1e200, 0.5, 80, push, pull)
                             : CylinderForceImperial(1e200, 0.5, 80, push, pull);
                  }),
                  Kind::Overflow);
        EXPECT_EQ(push, kUntouched);
        EXPECT_EQ(pull, kUntouched);
    }
}

TEST(CylinderArithmeticErrors, HugeRodWritesPushOnly)
{
    double push = kUntouched, pull = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] { CylinderForceImperial(2, 1e200, 80, push, pull); }),
              Kind::Overflow);
    EXPECT_EQ(Digits15(push), "251.327412287183");
    EXPECT_EQ(pull, kUntouched);

    push = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] { CylinderForceMetric(50, 1e200, 6, push, pull); }),
              Kind::Overflow);
    EXPECT_EQ(Digits15(push), "1178.09724509617");
    EXPECT_EQ(pull, kUntouched);
}

TEST(CylinderArithmeticErrors, HugePressure)
{
    double push = kUntouched, pull = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] { CylinderForceImperial(2, 0.625, DBL_MAX, push, pull); }),
              Kind::Overflow);
    EXPECT_EQ(push, kUntouched);
    EXPECT_EQ(pull, kUntouched);
}

TEST(CylinderArithmeticErrors, AreaLeftUntouched)
{
    double area = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] { AreaRequiredImperial(1e300, 1e-300, 1, area); }), Kind::Overflow);
    EXPECT_EQ(ErrorKindOf([&] { AreaRequiredMetric(DBL_MAX, 1, 1, area); }), Kind::Overflow);
    EXPECT_EQ(ErrorKindOf([&] { AreaRequiredImperial(1000, 80, DBL_MAX, area); }), Kind::Overflow);
    EXPECT_EQ(ErrorKindOf([&] { AreaRequiredMetric(1000, 6, DBL_MAX, area); }), Kind::Overflow);
    EXPECT_EQ(area, kUntouched);
}

TEST(CylinderArithmeticErrors, NegativeForceGivesANegativeAreaAndNoBore)
{
    double area = kUntouched, bore = kUntouched;
    AreaRequiredImperial(-1000, 80, 1, area);
    EXPECT_EQ(area, -12.5);
    EXPECT_EQ(ErrorKindOf([&] { MinimumBore(area, bore); }), Kind::InvalidOperation);
    EXPECT_EQ(bore, kUntouched);
}

}  // namespace
