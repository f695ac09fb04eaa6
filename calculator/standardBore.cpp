// SPDX-License-Identifier: MIT
#include "calculator/standardBore.h"

#include <algorithm>
#include <array>

namespace Calculator {
namespace {

constexpr std::array inchBores{1.5, 2.0, 2.5, 3.25, 4.0, 5.0, 6.0, 8.0, 10.0, 12.0, 14.0};
constexpr std::array millimetreBores{8.0,  10.0, 12.0,  16.0,  20.0,  25.0,  32.0,  40.0, 50.0,
                                     63.0, 80.0, 100.0, 125.0, 160.0, 200.0, 250.0, 320.0};

static_assert(std::ranges::is_sorted(inchBores) && std::ranges::is_sorted(millimetreBores));

}  // namespace

std::span<const double> StandardBores(BoreSeries series)
{
    if (series == BoreSeries::Inch)
        return inchBores;
    return millimetreBores;
}

std::optional<double> StandardBore(double minimumBore, BoreSeries series)
{
    // Written so that NaN fails the test too.
    if (!(minimumBore > 0.0))
        return std::nullopt;
    const std::span<const double> bores = StandardBores(series);
    const auto bore = std::ranges::lower_bound(bores, minimumBore);
    if (bore == bores.end())
        return std::nullopt;
    return *bore;
}

}  // namespace Calculator
