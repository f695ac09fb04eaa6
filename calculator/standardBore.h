// SPDX-License-Identifier: MIT
#pragma once

// The cylinder bores a maker actually builds. A computed minimum bore is a
// size nobody stocks; the next standard bore up is the one an engineer orders.

#include <optional>
#include <span>

namespace Calculator {

enum class BoreSeries {
    Inch,       // NFPA tie-rod cylinder bores, inches
    Millimetre, // ISO 3320 cylinder bores, mm
};

// The bores of a series, smallest first.
std::span<const double> StandardBores(BoreSeries series);

// The smallest bore of the series that is at least minimumBore (in the
// series' unit). Nothing when minimumBore is 0 (no area is needed), is not a
// positive number, or is larger than the largest bore of the series.
std::optional<double> StandardBore(double minimumBore, BoreSeries series);

}  // namespace Calculator
