// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The number of cylinders as the formulas take it, for every panel that
// reads one.
namespace CylinderCount {

// The nearest whole number from 0 to 32767, the largest 16-bit integer, a
// value exactly halfway going to the even one (2.5 is 2, 3.5 is 4); nothing
// when it lies outside. Its field, cleaned to a magnitude, holds no count
// below 0.
std::optional<std::int16_t> fromValue(double value);

// Why a count outside was refused, naming its field and the range.
QString outOfRange(const QString &caption);

} // namespace CylinderCount
