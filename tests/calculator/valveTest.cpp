// SPDX-License-Identifier: MIT
#include <cmath>
#include <cfloat>
#include <cstdint>
#include <ostream>

#include "testSupport.h"

namespace {

using namespace Calculator;
using CalculatorTest::Digits15;
using CalculatorTest::ErrorKindOf;
using Kind = ArithmeticError::Kind;
using ValveMessages = CalculatorTest::MessageCapture;

constexpr double kUntouched = -12345.678;
constexpr const char* kWarning =
    "These calculations are only valid when the pressure drop is at least 53% of the initial air "
    "pressure";

TEST(TemperatureCorrect, FactorIsOneAt68F)
{
    EXPECT_EQ(TemperatureCorrect(68, 80), 80.0);
    EXPECT_EQ(TemperatureCorrect(68, 47.5), 47.5);
    EXPECT_EQ(Digits15(TemperatureCorrect(100, 80)), "84.8484848484848");
    EXPECT_EQ(Digits15(TemperatureCorrect(100, 5)), "5.3030303030303");
    // below absolute zero the factor turns negative, without an error
    EXPECT_EQ(TemperatureCorrect(-988, 10), -10.0);
}

struct VolumeCase {
    double length, diameter, factor;
    bool cylindrical;
    double expected;  // to the last bit
};

void PrintTo(const VolumeCase& c, std::ostream* os)
{
    *os << (c.cylindrical ? "cylinder" : "box") << " length " << c.length << " diameter "
        << c.diameter << " factor " << c.factor;
}

class CylinderVolumeTable : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(CylinderVolumeTable, Volume)
{
    const VolumeCase& c = GetParam();
    EXPECT_EQ(CylinderVolume(c.length, c.diameter, c.factor, c.cylindrical), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CylinderVolumeTable,
    ::testing::Values(VolumeCase{4, 2, 0, true, 12.56637061435916},
                      VolumeCase{4, 2, 7, true, 12.56637061435916},  // factor unused
                      // (length x circle) is formed before it multiplies; the
                      // left-to-right grouping would give 21.20575041173108
                      VolumeCase{3, 3, 0, true, 21.205750411731085},
                      VolumeCase{4, 2, 3, false, 24},
                      VolumeCase{4, 2, 0, false, 0}));

TEST(CylinderFlowScfm, WorkedValues)
{
    EXPECT_EQ(Digits15(CylinderFlowScfm(2, 4, 75, 1)), "2.66537142857143");
    EXPECT_EQ(Digits15(CylinderFlowScfm(2, 4, 80, 1)), "2.81394285714286");
    EXPECT_EQ(CylinderFlowScfm(2, 4, 75, 1), 2.665371428571429);
}

TEST(CylinderFlowScfm, StrokeTimeZeroComputesNothing)
{
    EXPECT_EQ(CylinderFlowScfm(2, 4, 75, 0), 0.0);
    EXPECT_EQ(CylinderFlowScfm(2, 4, 75, -0.0), 0.0);
    // a bore that would overflow is never squared
    EXPECT_EQ(CylinderFlowScfm(1e200, 4, 75, 0), 0.0);
}

TEST(FlowCoefficient, WorkedValueAndGuards)
{
    const double flow = CylinderFlowScfm(2, 4, 75, 1);
    EXPECT_EQ(Digits15(FlowCoefficient(5, 75, flow)), "0.128877312455998");
    // the absolute value of the product is rooted
    EXPECT_EQ(FlowCoefficient(-5, 75, flow), FlowCoefficient(5, 75, flow));
    // a pressure drop of 0 is guarded, even where the root would be 0
    EXPECT_EQ(FlowCoefficient(0, 75, flow), 0.0);
    EXPECT_EQ(FlowCoefficient(0, -14.7, flow), 0.0);
}

TEST(FlowCoefficient, ZeroRootIsDivisionByZero)
{
    EXPECT_EQ(ErrorKindOf([] { FlowCoefficient(5, -14.7, 1); }), Kind::DivisionByZero);
    EXPECT_EQ(ErrorKindOf([] { FlowCoefficient(5, -14.7, 0); }), Kind::DivisionByZero);
    // a product that underflows to 0 is caught the same way
    EXPECT_EQ(ErrorKindOf([] { FlowCoefficient(5e-324, std::nextafter(-14.7, 0.0), 1); }),
              Kind::DivisionByZero);
    EXPECT_EQ(ErrorKindOf([] { FlowCoefficient(5, 75, DBL_MAX); }), Kind::Overflow);
}

// ---- ValveFlowImperial ----

struct ValveCase {
    const char* name;
    double airPressure, strokeLength, strokeTime, bore, roomTemperature;
    std::int16_t cylinders;
    double pressureDrop;
    bool warns;
    const char* volume;
    const char* flow;
    const char* coefficient;
};

void PrintTo(const ValveCase& c, std::ostream* os)
{
    *os << c.name;
}

class ValveFlowImperialTable : public CalculatorTest::MessageCapture,
                               public ::testing::WithParamInterface<ValveCase> {};

TEST_P(ValveFlowImperialTable, Results)
{
    const ValveCase& c = GetParam();
    double air = c.airPressure, length = c.strokeLength, time = c.strokeTime, bore = c.bore;
    double temperature = c.roomTemperature, drop = c.pressureDrop;
    std::int16_t cylinders = c.cylinders;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;

    EXPECT_TRUE(ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume,
                                  flow, coefficient));
    EXPECT_EQ(shown.size(), c.warns ? 1u : 0u);
    EXPECT_EQ(Digits15(volume), c.volume);
    EXPECT_EQ(Digits15(flow), c.flow);
    EXPECT_EQ(Digits15(coefficient), c.coefficient);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ValveFlowImperialTable,
    ::testing::Values(
        ValveCase{"OneCylinder", 80, 4, 1, 2, 68, 1, 5, false, "12.5663706143592", "2.66537142857143",
                  "0.128877312455998"},
        ValveCase{"ThreeCylinders", 80, 4, 1, 2, 68, 3, 5, false, "37.6991118430775",
                  "7.99611428571429", "0.386631937367993"},
        ValveCase{"WarningStillComputes", 80, 4, 1, 2, 68, 1, 40, true, "12.5663706143592",
                  "1.62537142857143", "0.0355818823272377"},
        ValveCase{"DownstreamEquals53Percent", 100, 4, 1, 2, 68, 1, 47, false, "12.5663706143592",
                  "2.01165714285714", "0.0365183088213551"},
        ValveCase{"DownstreamBelow53Percent", 100, 4, 1, 2, 68, 1, 47.5, true, "12.5663706143592",
                  "1.9968", "0.036191208329428"},
        ValveCase{"StrokeTimeZero", 80, 4, 0, 2, 68, 1, 5, false, "12.5663706143592", "0", "0"},
        ValveCase{"PressureDropZero", 80, 4, 1, 2, 68, 1, 0, false, "12.5663706143592",
                  "2.81394285714286", "0"},
        ValveCase{"At100F", 80, 4, 1, 2, 100, 1, 5, false, "12.5663706143592", "2.80043636363636",
                  "0.128272454147763"},
        ValveCase{"NegativeCount", 80, 4, 1, 2, 68, -1, 5, false, "-12.5663706143592",
                  "-2.66537142857143", "-0.128877312455998"}));

TEST(ValveFlowImperialBits, LastBit)
{
    double air = 80, length = 4, time = 1, bore = 2, temperature = 68, drop = 5;
    std::int16_t cylinders = 3;
    double volume = 0, flow = 0, coefficient = 0;
    ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                      coefficient);
    EXPECT_EQ(volume, 37.69911184307748);
    EXPECT_EQ(flow, 7.996114285714286);
    EXPECT_EQ(coefficient, 0.3866319373679926);
}

TEST_F(ValveMessages, ValveWarningTextAndTiming)
{
    double air = 80, length = 4, time = 1, bore = 2, temperature = 100, drop = 40;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    bool correctedBeforeBox = false, resultsUnwrittenWhileOpen = false;
    onShow = [&] {
        correctedBeforeBox = air != 80 && drop != 40;
        resultsUnwrittenWhileOpen =
            volume == kUntouched && flow == kUntouched && coefficient == kUntouched;
    };
    ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                      coefficient);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, kWarning);
    EXPECT_EQ(shown[0].title, "Warning");
    EXPECT_EQ(shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(correctedBeforeBox);
    EXPECT_TRUE(resultsUnwrittenWhileOpen);
    EXPECT_NE(coefficient, kUntouched);
}

TEST(ValveFlowImperialWithoutHandler, WarnsSilently)
{
    SetMessageHandler({});
    double air = 80, length = 4, time = 1, bore = 2, temperature = 68, drop = 40;
    std::int16_t cylinders = 1;
    double volume = 0, flow = 0, coefficient = 0;
    ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                      coefficient);
    EXPECT_EQ(Digits15(flow), "1.62537142857143");
}

TEST(ValveFlowImperialWriteBack, CorrectsArgumentsOneAndSevenOnly)
{
    double air = 80, length = 4, time = 1, bore = 2, temperature = 100, drop = 5;
    std::int16_t cylinders = 2;
    double volume = 0, flow = 0, coefficient = 0;
    ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                      coefficient);
    EXPECT_EQ(Digits15(air), "84.8484848484848");
    EXPECT_EQ(Digits15(drop), "5.3030303030303");
    EXPECT_EQ(length, 4.0);
    EXPECT_EQ(time, 1.0);
    EXPECT_EQ(bore, 2.0);
    EXPECT_EQ(temperature, 100.0);
    EXPECT_EQ(cylinders, 2);
}

TEST(ValveFlowImperialErrors, ZeroAbsoluteDownstreamWithADrop)
{
    // air 0, drop 14.7: downstream -14.7, so downstream + 14.7 is 0
    double air = 0, length = 4, time = 1, bore = 2, temperature = 68, drop = 14.7;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop,
                                    volume, flow, coefficient);
              }),
              Kind::DivisionByZero);
    EXPECT_EQ(air, 0.0);    // already written back
    EXPECT_EQ(drop, 14.7);  // already written back
    EXPECT_EQ(volume, kUntouched);
    EXPECT_EQ(flow, kUntouched);
    EXPECT_EQ(coefficient, kUntouched);
}

TEST(ValveFlowImperialErrors, HugeBoreLeavesOutputsUntouched)
{
    double air = 80, length = 4, time = 1, bore = 1e200, temperature = 68, drop = 5;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop,
                                    volume, flow, coefficient);
              }),
              Kind::Overflow);
    EXPECT_EQ(volume, kUntouched);
    EXPECT_EQ(flow, kUntouched);
    EXPECT_EQ(coefficient, kUntouched);
}

TEST(ValveFlowImperialErrors, HugeTemperature)
{
    double air = 1e300, length = 4, time = 1, bore = 2, temperature = 1e300, drop = 5;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  ValveFlowImperial(air, length, time, bore, temperature, cylinders, drop,
                                    volume, flow, coefficient);
              }),
              Kind::Overflow);
    EXPECT_EQ(air, 1e300);  // the correction overflowed before it was stored
    EXPECT_EQ(drop, 5.0);
    EXPECT_EQ(volume, kUntouched);
}

// ---- ValveFlowMetric ----

TEST_F(ValveMessages, ValveFlowMetricWorkedValue)
{
    double air = 6, length = 100, time = 1, bore = 50, temperature = 20, drop = 0.5;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                    coefficient);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Digits15(volume), "196796.789526451");
    EXPECT_EQ(Digits15(flow), "75.9487952120503");
    EXPECT_EQ(Digits15(coefficient), "0.0912064804988222");
    EXPECT_EQ(volume, 196796.7895264507);
    EXPECT_EQ(flow, 75.94879521205033);
    EXPECT_EQ(coefficient, 0.09120648049882218);

    // arguments 1, 2, 4, 5 and 7 are left in imperial units; 3 and 6 untouched
    EXPECT_EQ(Digits15(air), "87");
    EXPECT_EQ(Digits15(length), "3.94");
    EXPECT_EQ(Digits15(bore), "1.97");
    EXPECT_EQ(Digits15(temperature), "68");
    EXPECT_EQ(Digits15(drop), "7.25");
    EXPECT_EQ(time, 1.0);
    EXPECT_EQ(cylinders, 1);
}

TEST(ValveFlowMetricWriteBack, InputsLeftImperialAndTemperatureCorrected)
{
    // 40 C is 104 F, so the pressures come back corrected as well as converted
    double air = 6, length = 100, time = 2, bore = 50, temperature = 40, drop = 0.5;
    std::int16_t cylinders = 4;
    double volume = 0, flow = 0, coefficient = 0;
    ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                    coefficient);
    EXPECT_EQ(Digits15(air), "92.9318181818182");
    EXPECT_EQ(Digits15(drop), "7.74431818181818");
    EXPECT_EQ(Digits15(length), "3.94");
    EXPECT_EQ(Digits15(bore), "1.97");
    EXPECT_EQ(Digits15(temperature), "104");
    EXPECT_EQ(time, 2.0);
    EXPECT_EQ(cylinders, 4);
}

TEST_F(ValveMessages, ValveFlowMetricWarnsThroughTheImperialComputation)
{
    double air = 6, length = 100, time = 1, bore = 50, temperature = 20, drop = 3;
    std::int16_t cylinders = 1;
    double volume = 0, flow = 0, coefficient = 0;
    ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume, flow,
                    coefficient);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, kWarning);
    EXPECT_GT(coefficient, 0.0);
}

TEST(ValveFlowMetricErrors, OverflowingFirstConversionChangesNothing)
{
    double air = DBL_MAX, length = 100, time = 1, bore = 50, temperature = 20, drop = 0.5;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume,
                                  flow, coefficient);
              }),
              Kind::Overflow);
    EXPECT_EQ(air, DBL_MAX);
    EXPECT_EQ(drop, 0.5);
    EXPECT_EQ(length, 100.0);
    EXPECT_EQ(volume, kUntouched);
    EXPECT_EQ(flow, kUntouched);
    EXPECT_EQ(coefficient, kUntouched);
}

TEST(ValveFlowMetricErrors, ZeroAbsoluteDownstreamWithADrop)
{
    // 0.5 bar is 7.25 psi and this drop converts to 21.95 psi, so the
    // downstream pressure is -14.7 psi and downstream + 14.7 is 0 (at 20 C the
    // temperature correction is exactly 1).
    double air = 0.5, length = 100, time = 1, bore = 50, temperature = 20;
    double drop = 1.513793103448276;
    std::int16_t cylinders = 1;
    double volume = kUntouched, flow = kUntouched, coefficient = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  ValveFlowMetric(air, length, time, bore, temperature, cylinders, drop, volume,
                                  flow, coefficient);
              }),
              Kind::DivisionByZero);
    EXPECT_EQ(air, 7.25);  // converted and corrected before the failing step
    EXPECT_EQ(drop, 21.95);
    EXPECT_EQ(volume, kUntouched);
    EXPECT_EQ(flow, kUntouched);
    EXPECT_EQ(coefficient, kUntouched);
}

// ---- AirConsumptionImperial, AirConsumptionMetric ----

struct AirCase {
    const char* name;
    bool metric;
    double airPressure, strokeLength, bore, cycleRate;
    std::int16_t cylinders;
    double expected;    // to the last bit, each step rounded in the formula's order
    const char* shown;  // as the window rounds it, to 5 decimals
};

void PrintTo(const AirCase& c, std::ostream* os)
{
    *os << c.name;
}

class AirConsumptionTable : public CalculatorTest::MessageCapture,
                            public ::testing::WithParamInterface<AirCase> {};

TEST_P(AirConsumptionTable, Consumption)
{
    const AirCase& c = GetParam();
    double consumption = kUntouched;
    if (c.metric)
        EXPECT_TRUE(AirConsumptionMetric(c.airPressure, c.strokeLength, c.bore, c.cycleRate,
                                         c.cylinders, consumption));
    else
        EXPECT_TRUE(AirConsumptionImperial(c.airPressure, c.strokeLength, c.bore, c.cycleRate,
                                           c.cylinders, consumption));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(consumption, c.expected);
    EXPECT_FALSE(std::signbit(consumption) && c.expected == 0.0) << "gave -0";
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.5f", consumption);
    EXPECT_STREQ(rounded, c.shown);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, AirConsumptionTable,
    ::testing::Values(
        AirCase{"OneCylinder", false, 80, 4, 2, 30, 1, 2.8109299347595726, "2.81093"},
        AirCase{"ThreeCylinders", false, 80, 4, 2, 30, 3, 8.432789804278718, "8.43279"},
        AirCase{"TwoLargerCylinders", false, 100, 6, 3.25, 12, 2, 10.788260784258181, "10.78826"},
        AirCase{"CycleRateZero", false, 80, 4, 2, 0, 1, 0.0, "0.00000"},
        AirCase{"NoCylinders", false, 80, 4, 2, 30, 0, 0.0, "0.00000"},
        // at 0 psi gauge each cycle draws just its swept volume twice
        AirCase{"AtmosphericSupply", false, 0, 4, 2, 30, 1, 0.43633231299858194, "0.43633"},
        AirCase{"NegativeCount", false, 80, 4, 2, 30, -1, -2.8109299347595726, "-2.81093"},
        // values whose last bit differs when the ratio, the 1728 or the count
        // is taken in another order
        AirCase{"UnevenValuesA", false, 93.7, 7.3, 2.7, 17.3, 5, 30.857062648121932, "30.85706"},
        AirCase{"UnevenValuesB", false, 120.3, 2.9, 2.3, 41.3, 6, 31.73566072572028, "31.73566"},
        // 6 bar, 100 mm and 50 mm are 87 psi, 3.94 in and 1.97 in
        AirCase{"ConvertedMetricInputs", false, 87, 3.94, 1.97, 10, 1, 0.9616309469016341,
                "0.96163"},
        AirCase{"MetricOneCylinder", true, 6, 100, 50, 10, 1, 27.230359278771537, "27.23036"},
        AirCase{"MetricFourCylinders", true, 6, 100, 50, 10, 4, 108.92143711508615, "108.92144"},
        AirCase{"MetricCycleRateZero", true, 6, 100, 50, 0, 4, 0.0, "0.00000"}));

// The metric computation is the imperial one between the unit conversions,
// to the last bit.
TEST(AirConsumptionMetric, IsTheImperialComputationThroughTheConversions)
{
    struct Inputs {
        double airPressure, strokeLength, bore, cycleRate;
        std::int16_t cylinders;
    };
    for (const Inputs& in : {Inputs{6, 100, 50, 10, 1}, Inputs{0.35, 12.7, 7.3, 41.3, 7},
                             Inputs{10.2, 1250, 320, 0.5, 32767}}) {
        double metric = kUntouched, imperial = kUntouched;
        AirConsumptionMetric(in.airPressure, in.strokeLength, in.bore, in.cycleRate, in.cylinders,
                             metric);
        AirConsumptionImperial(ConvertUnits(in.airPressure, "bar"),
                               ConvertUnits(in.strokeLength, "mm"), ConvertUnits(in.bore, "mm"),
                               in.cycleRate, in.cylinders, imperial);
        EXPECT_EQ(metric, ConvertUnits(imperial, "scfm")) << "air " << in.airPressure;
    }
}

struct AirErrorCase {
    const char* name;
    bool metric;
    double airPressure, strokeLength, bore, cycleRate;
    std::int16_t cylinders;
};

void PrintTo(const AirErrorCase& c, std::ostream* os)
{
    *os << c.name;
}

class AirConsumptionOverflow : public ::testing::TestWithParam<AirErrorCase> {};

// Refused with an overflow, and the consumption keeps its old value.
TEST_P(AirConsumptionOverflow, WritesNothing)
{
    const AirErrorCase& c = GetParam();
    double consumption = kUntouched;
    EXPECT_EQ(ErrorKindOf([&] {
                  if (c.metric)
                      AirConsumptionMetric(c.airPressure, c.strokeLength, c.bore, c.cycleRate,
                                           c.cylinders, consumption);
                  else
                      AirConsumptionImperial(c.airPressure, c.strokeLength, c.bore, c.cycleRate,
                                             c.cylinders, consumption);
              }),
              Kind::Overflow);
    EXPECT_EQ(consumption, kUntouched);
}

INSTANTIATE_TEST_SUITE_P(Steps, AirConsumptionOverflow,
    ::testing::Values(
        AirErrorCase{"HugeCycleRate", false, 80, 4, 2, 1e308, 1},
        AirErrorCase{"HugeCycleRateMetric", true, 6, 100, 50, 1e308, 1},
        // the free air of one cycle fits, the thousands of cylinders do not
        AirErrorCase{"CountOverflowsTheLastStep", false, 80, 4, 2, 1e305, 32767},
        // the swept volume overflows before the cycle rate is looked at
        AirErrorCase{"HugeBoreEvenAtCycleRateZero", false, 80, 4, 1e200, 0, 1},
        AirErrorCase{"HugePressure", false, DBL_MAX, 4, 2, 30, 1},
        AirErrorCase{"PressureOverflowsTheConversion", true, DBL_MAX, 100, 50, 10, 1},
        // about 1.6e308 SCFM fits, in litres a minute it does not
        AirErrorCase{"ResultOverflowsTheConversion", true, 6, 100, 50, 5e304, 32767}));

}  // namespace
