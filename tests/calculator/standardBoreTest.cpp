// SPDX-License-Identifier: MIT
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "calculator/standardBore.h"

namespace {

using Calculator::BoreSeries;
using Calculator::StandardBore;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double JustAbove(double value) { return std::nextafter(value, kInfinity); }
double JustBelow(double value) { return std::nextafter(value, -kInfinity); }

struct BoreCase {
    const char* name;
    BoreSeries series;
    double minimumBore;
    std::optional<double> expected;
};

void PrintTo(const BoreCase& c, std::ostream* os) { *os << c.name; }

class StandardBoreTable : public ::testing::TestWithParam<BoreCase> {};

TEST_P(StandardBoreTable, IsTheSmallestBoreAtOrAboveTheMinimum)
{
    const BoreCase& c = GetParam();
    EXPECT_EQ(StandardBore(c.minimumBore, c.series), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StandardBoreTable,
    ::testing::Values(
        // The worked examples of the bore panel.
        BoreCase{"inch_500lb_at_80psi", BoreSeries::Inch, 2.8209479177387826, 3.25},
        BoreCase{"inch_1000lb_at_100psi", BoreSeries::Inch, 3.5682482323055424, 4.0},
        BoreCase{"mm_2000N_at_6bar", BoreSeries::Millimetre, 65.14700158705602, 80.0},
        BoreCase{"mm_after_switch_from_2_82095in", BoreSeries::Millimetre, 71.65213, 80.0},
        // A bore of the series is its own standard bore; a hair more is not.
        BoreCase{"inch_exactly_2", BoreSeries::Inch, 2.0, 2.0},
        BoreCase{"inch_just_above_2", BoreSeries::Inch, JustAbove(2.0), 2.5},
        BoreCase{"inch_just_below_3_25", BoreSeries::Inch, JustBelow(3.25), 3.25},
        BoreCase{"mm_exactly_63", BoreSeries::Millimetre, 63.0, 63.0},
        BoreCase{"mm_just_above_63", BoreSeries::Millimetre, JustAbove(63.0), 80.0},
        // Below the smallest bore, the smallest; the series are not mixed.
        BoreCase{"inch_tiny", BoreSeries::Inch, 1e-300, 1.5},
        BoreCase{"mm_tiny", BoreSeries::Millimetre, 0.001, 8.0},
        BoreCase{"inch_1_5_in_mm_is_8", BoreSeries::Millimetre, 1.5, 8.0},
        BoreCase{"mm_8_in_inch_is_8", BoreSeries::Inch, 8.0, 8.0},
        // The largest bore still has one; anything larger has none.
        BoreCase{"inch_exactly_14", BoreSeries::Inch, 14.0, 14.0},
        BoreCase{"inch_just_above_14", BoreSeries::Inch, JustAbove(14.0), std::nullopt},
        BoreCase{"inch_126_in", BoreSeries::Inch, 126.15663, std::nullopt},
        BoreCase{"mm_exactly_320", BoreSeries::Millimetre, 320.0, 320.0},
        BoreCase{"mm_just_above_320", BoreSeries::Millimetre, JustAbove(320.0), std::nullopt},
        BoreCase{"mm_infinite", BoreSeries::Millimetre, kInfinity, std::nullopt},
        // No area needed, or no bore at all: no standard bore.
        BoreCase{"inch_zero", BoreSeries::Inch, 0.0, std::nullopt},
        BoreCase{"mm_zero", BoreSeries::Millimetre, 0.0, std::nullopt},
        BoreCase{"inch_negative_zero", BoreSeries::Inch, -0.0, std::nullopt},
        BoreCase{"mm_negative", BoreSeries::Millimetre, -10.0, std::nullopt},
        BoreCase{"inch_nan", BoreSeries::Inch, std::numeric_limits<double>::quiet_NaN(), std::nullopt}),
    [](const ::testing::TestParamInfo<BoreCase>& info) { return std::string(info.param.name); });

struct SeriesCase {
    BoreSeries series;
    std::vector<double> bores;
};

void PrintTo(const SeriesCase& c, std::ostream* os)
{
    *os << (c.series == BoreSeries::Inch ? "inch" : "millimetre") << " series";
}

class StandardBoreSeries : public ::testing::TestWithParam<SeriesCase> {};

// Every bore of the published series is reached, each from just above the
// one before it, and no other size is.
TEST_P(StandardBoreSeries, StepsThroughEveryPublishedBore)
{
    const SeriesCase& c = GetParam();
    double previous = 0.0;
    for (const double bore : c.bores) {
        EXPECT_EQ(StandardBore(JustAbove(previous), c.series), bore) << "just above " << previous;
        EXPECT_EQ(StandardBore(bore, c.series), bore);
        previous = bore;
    }
    EXPECT_EQ(StandardBore(JustAbove(previous), c.series), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Published, StandardBoreSeries,
    ::testing::Values(
        SeriesCase{BoreSeries::Inch, {1.5, 2, 2.5, 3.25, 4, 5, 6, 8, 10, 12, 14}},
        SeriesCase{BoreSeries::Millimetre,
                   {8, 10, 12, 16, 20, 25, 32, 40, 50, 63, 80, 100, 125, 160, 200, 250, 320}}));

}  // namespace
