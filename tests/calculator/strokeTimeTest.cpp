// SPDX-License-Identifier: MIT
#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <ostream>

#include "calculator/strokeTime.h"
#include "testSupport.h"

namespace {

using namespace Calculator;
using CalculatorTest::Decimals5;
using CalculatorTest::ErrorKindOf;
using Kind = ArithmeticError::Kind;
using Refusal = StrokeTimeRefusal;

// Metric inputs are in bar, mm, degrees C and Kv; imperial ones in psi,
// inches, degrees F and Cv.
struct Inputs {
    bool metric;
    double airPressure, pressureDrop, bore, strokeLength, roomTemperature;
    std::int16_t cylinders;
    double coefficient;
};

StrokeTimeResult StrokeTime(const Inputs& in)
{
    auto f = in.metric ? StrokeTimeMetric : StrokeTimeImperial;
    return f(in.airPressure, in.pressureDrop, in.bore, in.strokeLength, in.roomTemperature,
             in.cylinders, in.coefficient);
}

TEST(Decimals5, ExactTiesGoToEven)
{
    EXPECT_EQ(Decimals5(0.015625), "0.01562");
    EXPECT_EQ(Decimals5(0.046875), "0.04688");
    EXPECT_EQ(Decimals5(0.99999999999999656), "1.00000");
}

// ---- Worked values, as the window shows them ----

struct ExampleCase {
    const char* name;
    Inputs in;
    bool beyondChokedFlow;
    const char* flow;
    const char* time;
    const char* speed;
};

void PrintTo(const ExampleCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrokeTimeExamples : public CalculatorTest::MessageCapture,
                           public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(StrokeTimeExamples, Results)
{
    const ExampleCase& c = GetParam();
    const StrokeTimeResult r = StrokeTime(c.in);
    EXPECT_EQ(r.refusal, Refusal::None);
    EXPECT_EQ(r.beyondChokedFlow, c.beyondChokedFlow);
    EXPECT_EQ(Decimals5(r.flow), c.flow);
    EXPECT_EQ(Decimals5(r.time), c.time);
    EXPECT_EQ(Decimals5(r.speed), c.speed);
    EXPECT_TRUE(shown.empty()) << "the choked-flow flag is for the window to show";
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, StrokeTimeExamples,
    ::testing::Values(
        // the coefficients ValveFlowImperial gives for a 1 s stroke
        ExampleCase{"OneCylinder", {false, 80, 5, 2, 4, 68, 1, 0.128877312455998}, false,
                    "2.66537", "1.00000", "4.00000"},
        ExampleCase{"ThreeCylinders", {false, 80, 5, 2, 4, 68, 3, 0.386631937367993}, false,
                    "7.99611", "1.00000", "4.00000"},
        ExampleCase{"CvOne", {false, 80, 10, 2, 10, 68, 1, 1}, false, "28.42116", "0.22138",
                    "45.17031"},
        ExampleCase{"LargeBore", {false, 90, 5, 4, 10, 68, 1, 0.72}, false, "15.69875",
                    "1.88710", "5.29913"},
        ExampleCase{"ChokedStillComputes", {false, 80, 40, 2, 4, 68, 1, 0.0355818823272377},
                    true, "1.62537", "1.00000", "4.00000"},
        // 0.53 x 100 is exactly 53, the downstream pressure: not choked
        ExampleCase{"DownstreamEquals53Percent", {false, 100, 47, 2, 4, 68, 1, 0.0365183088213551},
                    false, "2.01166", "1.00000", "4.00000"},
        ExampleCase{"Metric", {true, 6, 0.5, 50, 100, 20, 1, 0.0912064804988222}, false,
                    "75.94880", "1.00000", "100.00000"}));

// The numerator is formed as CylinderFlowScfm forms its own and the flow as
// FlowCoefficient solved for it. The first time differs in its last bit when
// 0.0273 x L is formed before it multiplies, the second when bore^2 x 0.0273
// multiplies L x (P2 + 14.7), when the root is divided by 1.024 before the
// share multiplies it, or when t is (numerator / Q) / 14.7.
TEST(StrokeTimeImperial, LastBit)
{
    EXPECT_EQ(StrokeTimeImperial(120.3, 11.9, 3.25, 5.5, 50, 2, 0.9).time, 0.79128145781633996);
    EXPECT_EQ(StrokeTimeImperial(90, 5, 4, 10, 68, 1, 0.72).time, 1.8871018141855902);
}

// ---- Back through the valve sizing ----

struct RoundTripCase {
    const char* name;
    bool metric;
    double airPressure, strokeLength, strokeTime, bore, roomTemperature;
    std::int16_t cylinders;
    double pressureDrop;
};

void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrokeTimeRoundTrip : public CalculatorTest::MessageCapture,
                            public ::testing::WithParamInterface<RoundTripCase> {};

// The coefficient the valve sizing gives for a stroke time gives that stroke
// time back, and the flow the sizing drew. Rounded to 5 decimals, as the
// window shows it, the coefficient still gives the time within 0.02 %.
TEST_P(StrokeTimeRoundTrip, GivesBackTheStrokeTime)
{
    const RoundTripCase& c = GetParam();
    double air = c.airPressure, length = c.strokeLength, time = c.strokeTime, bore = c.bore;
    double temperature = c.roomTemperature, drop = c.pressureDrop;
    std::int16_t cylinders = c.cylinders;
    double volume = 0, flow = 0, coefficient = 0;
    if (c.metric)
        ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                        coefficient);
    else
        ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                          coefficient);
    const bool sizingWarned = shown.size() == 1;

    Inputs in{c.metric, c.airPressure, c.pressureDrop, c.bore, c.strokeLength, c.roomTemperature,
              c.cylinders, coefficient};
    StrokeTimeResult r = StrokeTime(in);
    ASSERT_EQ(r.refusal, Refusal::None);
    EXPECT_EQ(r.beyondChokedFlow, sizingWarned);
    EXPECT_NEAR(r.time, c.strokeTime, c.strokeTime * 1e-12);
    EXPECT_NEAR(r.flow, flow, flow * 1e-12);
    const double speed = c.strokeLength / c.strokeTime;
    EXPECT_NEAR(r.speed, speed, speed * 1e-12);

    in.coefficient = std::strtod(Decimals5(coefficient).c_str(), nullptr);
    r = StrokeTime(in);
    EXPECT_NEAR(r.time, c.strokeTime, c.strokeTime * 2e-4) << "coefficient " << in.coefficient;
}

INSTANTIATE_TEST_SUITE_P(Cases, StrokeTimeRoundTrip,
    ::testing::Values(
        RoundTripCase{"OneCylinder", false, 80, 4, 1, 2, 68, 1, 5},
        RoundTripCase{"ThreeCylinders", false, 80, 4, 1, 2, 68, 3, 5},
        RoundTripCase{"At100F", false, 80, 4, 1, 2, 100, 1, 5},
        RoundTripCase{"Choked", false, 80, 4, 1, 2, 68, 1, 40},
        RoundTripCase{"SlowLongStroke", false, 100, 18, 2.5, 3.25, 50, 2, 12},
        RoundTripCase{"Metric", true, 6, 100, 1, 50, 20, 1, 0.5},
        RoundTripCase{"MetricFastStroke", true, 8, 500, 0.35, 100, 15, 2, 1}));

// ---- Refusals ----

struct RefusalCase {
    const char* name;
    Inputs in;
    Refusal refusal;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrokeTimeRefusals : public CalculatorTest::MessageCapture,
                           public ::testing::WithParamInterface<RefusalCase> {};

// Only the first refusal is given, nothing is computed and nothing is shown.
TEST_P(StrokeTimeRefusals, FirstOnly)
{
    const RefusalCase& c = GetParam();
    const StrokeTimeResult r = StrokeTime(c.in);
    EXPECT_EQ(r.refusal, c.refusal);
    EXPECT_FALSE(r.beyondChokedFlow);
    EXPECT_EQ(r.flow, 0.0);
    EXPECT_EQ(r.time, 0.0);
    EXPECT_EQ(r.speed, 0.0);
    EXPECT_TRUE(shown.empty());
}

INSTANTIATE_TEST_SUITE_P(InOrder, StrokeTimeRefusals,
    ::testing::Values(
        RefusalCase{"BoreZeroBeforeEverything", {false, 80, 0, 0, 4, 68, 0, 0},
                    Refusal::MissingBoreOrStroke},
        RefusalCase{"StrokeZero", {false, 80, 5, 2, 0, 68, 1, 1}, Refusal::MissingBoreOrStroke},
        RefusalCase{"DropZeroBeforeCoefficient", {false, 80, 0, 2, 4, 68, 0, 0},
                    Refusal::NoPressureDrop},
        // below absolute zero the correction turns the drop negative
        RefusalCase{"CorrectedDropNegative", {false, 80, 5, 2, 4, -988, 1, 1},
                    Refusal::NoPressureDrop},
        // 80 - 94.7 + 14.7 is a hair below 0
        RefusalCase{"DropIsTheAbsolutePressure", {false, 80, 94.7, 2, 4, 68, 1, 1},
                    Refusal::DropExceedsAbsolutePressure},
        RefusalCase{"DropAboveAbsoluteBeforeCoefficient", {false, 80, 100, 2, 4, 68, 0, 0},
                    Refusal::DropExceedsAbsolutePressure},
        // 14 psi at 100 F is 14.85 psi
        RefusalCase{"CorrectedDropAboveAbsolute", {false, 0, 14, 2, 4, 100, 1, 1},
                    Refusal::DropExceedsAbsolutePressure},
        RefusalCase{"CoefficientZeroBeforeCylinders", {false, 80, 5, 2, 4, 68, 0, 0},
                    Refusal::MissingCoefficient},
        RefusalCase{"CoefficientNegative", {false, 80, 5, 2, 4, 68, 1, -0.5},
                    Refusal::MissingCoefficient},
        // a bore that would overflow is never squared
        RefusalCase{"RefusedBeforeAHugeBore", {false, 80, 5, 1e200, 4, 68, 1, 0},
                    Refusal::MissingCoefficient},
        RefusalCase{"NoCylinders", {false, 80, 5, 2, 4, 68, 0, 1}, Refusal::MissingCylinders},
        RefusalCase{"MetricBoreZero", {true, 6, 0.5, 0, 100, 20, 1, 0.09},
                    Refusal::MissingBoreOrStroke},
        // 0.5 bar less this drop is -14.7 psi: the absolute downstream is 0
        RefusalCase{"MetricDropIsTheAbsolutePressure",
                    {true, 0.5, 1.513793103448276, 50, 100, 20, 1, 0.09},
                    Refusal::DropExceedsAbsolutePressure},
        RefusalCase{"MetricNoCylinders", {true, 6, 0.5, 50, 100, 20, 0, 0.09},
                    Refusal::MissingCylinders}));

// ---- Steps that cannot be used ----

struct ErrorCase {
    const char* name;
    Inputs in;
    Kind kind;
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrokeTimeErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(StrokeTimeErrors, Throw)
{
    const ErrorCase& c = GetParam();
    EXPECT_EQ(ErrorKindOf([&] { StrokeTime(c.in); }), c.kind);
}

INSTANTIATE_TEST_SUITE_P(Steps, StrokeTimeErrors,
    ::testing::Values(
        ErrorCase{"HugeBore", {false, 80, 5, 1e200, 4, 68, 1, 1}, Kind::Overflow},
        ErrorCase{"HugePressureUnderTheRoot", {false, DBL_MAX, 5, 2, 4, 68, 1, 1}, Kind::Overflow},
        // the share times the root overflows before anything is divided
        ErrorCase{"HugeCoefficient", {false, 80, 5, 2, 4, 68, 1, DBL_MAX}, Kind::Overflow},
        // the flow fits, the flow times the atmosphere does not
        ErrorCase{"FlowTimesAtmosphere", {false, 80, 5, 2, 4, 68, 1, 1e306}, Kind::Overflow},
        // the numerator underflows to 0, so the time is 0 and the speed divides by it
        ErrorCase{"TinyBore", {false, 80, 5, 1e-200, 4, 68, 1, 1}, Kind::DivisionByZero},
        // a third of the smallest coefficient is 0: no flow to divide by
        ErrorCase{"CoefficientShareUnderflows", {false, 80, 5, 2, 4, 68, 3, 5e-324},
                  Kind::DivisionByZero},
        ErrorCase{"MetricPressureConversion", {true, DBL_MAX, 0.5, 50, 100, 20, 1, 0.09},
                  Kind::Overflow},
        // about 3e307 SCFM fits, in litres a minute it does not
        ErrorCase{"MetricFlowConversion", {true, 6, 0.5, 50, 100, 20, 32767, 1e306},
                  Kind::Overflow}));

}  // namespace
