// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The number of cylinders as the formulas take it, for every panel that
// reads one.
namespace CylinderCount {

// The nearest 16-bit integer, a value exactly halfway going to the even one
// (2.5 is 2, 3.5 is 4); nothing when it does not fit.
std::optional<std::int16_t> fromValue(double value);

// Why a count that does not fit was refused, naming its field.
QString outOfRange(const QString &caption);

} // namespace CylinderCount
