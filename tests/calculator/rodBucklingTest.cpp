// SPDX-License-Identifier: MIT
#include <cfloat>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <ostream>
#include <vector>

#include "calculator/rodBuckling.h"
#include "testSupport.h"

namespace {

using namespace Calculator;
using CalculatorTest::ErrorKindOf;
using CalculatorTest::RoundTo5Decimals;
using Kind = ArithmeticError::Kind;
using Formula = BucklingFormula;

struct Rod {
    double diameter, length, mountingFactor, modulus, yieldStrength, safetyFactor, pushForce;
};

BucklingResult Buckle(const Rod& r)
{
    return RodBuckling(r.diameter, r.length, r.mountingFactor, r.modulus, r.yieldStrength,
                       r.safetyFactor, r.pushForce);
}

void PrintTo(const Rod& r, std::ostream* os)
{
    *os << "d " << r.diameter << " L " << r.length << " K " << r.mountingFactor << " E " << r.modulus
        << " Sy " << r.yieldStrength << " SF " << r.safetyFactor << " F " << r.pushForce;
}

// Figures as the window shows them (5 decimals).
struct BucklingCase {
    Rod rod;
    Formula formula;
    double load, allowable;
    std::optional<double> maximumLength;
    double minimumDiameter;
    bool overloaded;
};

void PrintTo(const BucklingCase& c, std::ostream* os) { PrintTo(c.rod, os); }

constexpr double kSteel = 30000000, kYield = 50000;

const BucklingCase kWorkedValues[] = {
    {{1, 40, 2, kSteel, kYield, 3.5, 500}, Formula::Euler,
     2270.96753, 648.84787, 45.56658, 0.93693, false},
    {{1, 60, 1, kSteel, kYield, 3.5, 1000}, Formula::Euler,
     4037.27561, 1153.50732, 64.44087, 0.96493, false},
    {{0.625, 10, 1, kSteel, kYield, 3.5, 300}, Formula::Johnson,
     12687.22549, 3624.92157, 45.95797, 0.29154, false},
    // no length: the load is A x Sy, and the thinnest rod only must not yield
    {{1, 0, 1, kSteel, kYield, 3.5, 1000}, Formula::Johnson,
     39269.90817, 11219.97376, 64.44087, 0.29854, false},
    {{0.5, 20, 1, kSteel, kYield, 3.5, 3000}, Formula::Euler,
     2270.96753, 648.84787, 0.0, 0.73319, true},
    {{0.625, 30, 2, 29000000, 60000, 5, 0}, Formula::Euler,
     595.50472, 119.10094, std::nullopt, 0.0, false},
    {{16, 500, 2, 210000, 355, 3.5, 500}, Formula::Euler,
     6667.58974, 1905.02564, 975.96763, 11.45216, false},
    {{22, 500, 1, 200000, 350, 2, 39270}, Formula::Johnson,
     84305.24756, 42152.62378, 528.74446, 21.51806, false},
};

class RodBucklingFigures : public ::testing::TestWithParam<BucklingCase> {};

TEST_P(RodBucklingFigures, AsShown)
{
    const BucklingCase& c = GetParam();
    const BucklingResult r = Buckle(c.rod);
    EXPECT_EQ(r.refusal, BucklingRefusal::None);
    EXPECT_EQ(r.formula, c.formula);
    EXPECT_EQ(RoundTo5Decimals(r.bucklingLoad), c.load);
    EXPECT_EQ(RoundTo5Decimals(r.allowableForce), c.allowable);
    ASSERT_EQ(r.maximumLength.has_value(), c.maximumLength.has_value());
    if (c.maximumLength) {
        EXPECT_EQ(RoundTo5Decimals(*r.maximumLength), *c.maximumLength);
    }
    EXPECT_EQ(RoundTo5Decimals(r.minimumRodDiameter), c.minimumDiameter);
    EXPECT_EQ(r.overloaded, c.overloaded);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, RodBucklingFigures, ::testing::ValuesIn(kWorkedValues));

class RodBucklingLimits : public ::testing::TestWithParam<Rod> {};

// The longest rod and the thinnest rod, fed back in, allow exactly the push
// force: each inverts whichever of the two formulas picks for it.
TEST_P(RodBucklingLimits, AllowThePushForce)
{
    const Rod& rod = GetParam();
    const BucklingResult r = Buckle(rod);
    if (rod.pushForce == 0.0) {
        EXPECT_FALSE(r.maximumLength.has_value());
        EXPECT_EQ(r.minimumRodDiameter, 0.0);
        return;
    }
    constexpr double kClose = 1e-12;
    Rod thinnest = rod;
    thinnest.diameter = r.minimumRodDiameter;
    EXPECT_NEAR(Buckle(thinnest).allowableForce / rod.pushForce, 1.0, kClose);
    ASSERT_TRUE(r.maximumLength.has_value());
    Rod longest = rod;
    longest.length = *r.maximumLength;
    if (*r.maximumLength > 0.0) {
        EXPECT_NEAR(Buckle(longest).allowableForce / rod.pushForce, 1.0, kClose);
    } else {  // the rod yields: not even at length 0 does it hold the force
        EXPECT_LT(Buckle(longest).allowableForce, rod.pushForce);
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, RodBucklingLimits,
    ::testing::ValuesIn([] {
        std::vector<Rod> rods;
        for (const BucklingCase& c : kWorkedValues)
            rods.push_back(c.rod);
        return rods;
    }()));

// Both limits by Johnson's formula in inches, and the other mounting factors.
INSTANTIATE_TEST_SUITE_P(MoreRods, RodBucklingLimits,
    ::testing::Values(Rod{1, 10, 1, kSteel, kYield, 2, 12000},
                      Rod{0.75, 36, 0.7, kSteel, kYield, 4, 900},
                      Rod{40, 1200, 0.5, 210000, 355, 3, 2e5}));

// The worked values to the last bit, against the formulas evaluated step by
// step in double arithmetic in the order written. Here (pi x pi) x (E x A)
// would give a load of 2270.96753029539, and the fourth root taken as two
// square roots a thinnest rod of 0.7331867331418945.
TEST(RodBucklingBits, LastBit)
{
    EXPECT_EQ(Buckle({1, 40, 2, kSteel, kYield, 3.5, 500}).bucklingLoad, 2270.9675302953897);
    EXPECT_EQ(Buckle({0.5, 20, 1, kSteel, kYield, 3.5, 3000}).minimumRodDiameter, 0.7331867331418944);
    const BucklingResult johnson = Buckle({22, 500, 1, 200000, 350, 2, 39270});
    EXPECT_EQ(johnson.bucklingLoad, 84305.2475576346);
    EXPECT_EQ(*johnson.maximumLength, 528.7444649173367);
    EXPECT_EQ(johnson.minimumRodDiameter, 21.518062766259007);
}

struct RefusalCase {
    double diameter, safetyFactor, modulus, yieldStrength;
    BucklingRefusal expected;
};

class RodBucklingRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RodBucklingRefusals, FirstThatHoldsAndNoFigures)
{
    const RefusalCase& c = GetParam();
    const BucklingResult r =
        RodBuckling(c.diameter, 40, 2, c.modulus, c.yieldStrength, c.safetyFactor, 1e6);
    EXPECT_EQ(r.refusal, c.expected);
    EXPECT_EQ(r.bucklingLoad, 0.0);
    EXPECT_EQ(r.allowableForce, 0.0);
    EXPECT_FALSE(r.maximumLength.has_value());
    EXPECT_EQ(r.minimumRodDiameter, 0.0);
    EXPECT_FALSE(r.overloaded);
}

INSTANTIATE_TEST_SUITE_P(Cases, RodBucklingRefusals,
    ::testing::Values(RefusalCase{0, 0, 0, 0, BucklingRefusal::MissingRodDiameter},
                      RefusalCase{-1, 3.5, kSteel, kYield, BucklingRefusal::MissingRodDiameter},
                      RefusalCase{-0.0, 3.5, kSteel, kYield, BucklingRefusal::MissingRodDiameter},
                      RefusalCase{1, 0, 0, 0, BucklingRefusal::SafetyFactorNotPositive},
                      RefusalCase{1, -3.5, kSteel, kYield, BucklingRefusal::SafetyFactorNotPositive},
                      RefusalCase{1, 3.5, 0, kYield, BucklingRefusal::MissingMaterial},
                      RefusalCase{1, 3.5, kSteel, 0, BucklingRefusal::MissingMaterial},
                      RefusalCase{1, 3.5, kSteel, -kYield, BucklingRefusal::MissingMaterial}));

// With this yield strength the transition slenderness of the steel is exactly
// 100, and a rod of diameter 4 has a radius of gyration of exactly 1: at a
// length of 100 the slenderness is the transition one, and Euler's formula
// already holds there. Johnson's parabola touches Euler's curve at that
// point, at A x Sy / 2, rather than jumping to it.
TEST(RodBucklingTransition, EulerFromTheTangentPointOn)
{
    constexpr double kTransitionAt100 = 59217.62640653603;
    const auto at = [](double length) { return Buckle({4, length, 1, kSteel, kTransitionAt100, 3.5, 0}); };
    const BucklingResult below = at(std::nextafter(100.0, 0.0)), on = at(100.0),
                         above = at(std::nextafter(100.0, 200.0));
    EXPECT_EQ(below.formula, Formula::Johnson);
    EXPECT_EQ(on.formula, Formula::Euler);
    EXPECT_EQ(above.formula, Formula::Euler);
    const double halfYieldLoad = 4 * std::numbers::pi * kTransitionAt100 / 2;
    EXPECT_NEAR(below.bucklingLoad / halfYieldLoad, 1.0, 1e-13);
    EXPECT_NEAR(on.bucklingLoad / halfYieldLoad, 1.0, 1e-13);
}

struct ErrorCase {
    const char* name;
    Rod rod;
    Kind kind;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class RodBucklingErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RodBucklingErrors, Throw)
{
    EXPECT_EQ(ErrorKindOf([] { Buckle(GetParam().rod); }), GetParam().kind);
}

constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(Cases, RodBucklingErrors,
    ::testing::Values(
        ErrorCase{"rod area", {1e200, 40, 2, kSteel, kYield, 3.5, 500}, Kind::Overflow},
        ErrorCase{"slenderness squared", {1, 1e200, 2, kSteel, kYield, 3.5, 500}, Kind::Overflow},
        ErrorCase{"transition slenderness", {1, 40, 2, DBL_MAX, kYield, 3.5, 500}, Kind::Overflow},
        ErrorCase{"Johnson's yield squared", {1, 0, 1, kSteel, 1e200, 3.5, 500}, Kind::Overflow},
        ErrorCase{"required load", {1, 40, 2, kSteel, kYield, 3.5, DBL_MAX}, Kind::Overflow},
        // a radius of gyration of 0
        ErrorCase{"thinnest double rod", {kTiniest, 40, 2, kSteel, kYield, 3.5, 500}, Kind::DivisionByZero},
        ErrorCase{"mounting factor 0", {1, 40, 0, kSteel, kYield, 3.5, 500}, Kind::DivisionByZero},
        ErrorCase{"pulling force", {1, 40, 2, kSteel, kYield, 3.5, -500}, Kind::InvalidOperation}));

TEST(StressConversions, ProgramsOwnFactorsInOrder)
{
    EXPECT_EQ(PsiToNewtonsPerSquareMillimetre(50000), 344.82758620689657);
    EXPECT_EQ(PsiToNewtonsPerSquareMillimetre(29000000), 200000.0);
    // value / 145 would give 206896.55172413794
    EXPECT_EQ(PsiToNewtonsPerSquareMillimetre(30000000), 206896.5517241379);
    EXPECT_EQ(NewtonsPerSquareMillimetreToPsi(355), 51475.0);
    // value x 145 would give 1.45
    EXPECT_EQ(NewtonsPerSquareMillimetreToPsi(0.01), 1.4500000000000002);
    EXPECT_EQ(ErrorKindOf([] { NewtonsPerSquareMillimetreToPsi(DBL_MAX); }), Kind::Overflow);
}

}  // namespace
