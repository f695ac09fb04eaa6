// SPDX-License-Identifier: MIT
#pragma once

// The library's own building blocks, shared by its source files and not part
// of its interface: the checked arithmetic steps every formula goes through,
// and the constants of the air-flow formulas.

#include <cfloat>
#include <cmath>
#include <limits>

#include "calculator/arithmeticError.h"

// Every result must match the worked values to the last bit: each operation is
// rounded to a 64-bit double as it is written, with no wider intermediates.
static_assert(std::numeric_limits<double>::is_iec559, "IEEE 754 doubles required");
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "intermediates must be evaluated in double precision (FLT_EVAL_METHOD 0)"
#endif

namespace Calculator::detail {

// The circle constant is the 15-digit literal, not full-precision pi.
inline constexpr double kCircle = 3.14159265358979;

// The atmosphere in psi: added to a gauge pressure it gives the absolute one.
inline constexpr double kAtmosphere = 14.7;

// bore^2 x this x stroke length, in inches, is the swept volume of a stroke in
// cubic feet per minute at one stroke a second: pi / 4 for the circle, 60
// strokes a minute, 1728 cubic inches a cubic foot, rounded to 0.0273.
inline constexpr double kStrokeFlowFactor = 0.0273;
// Cv = flow x this / sqrt(absolute downstream pressure x pressure drop).
inline constexpr double kCvFactor = 1.024;
// The flow formula holds while the downstream pressure is at least this share
// of the (corrected) supply pressure.
inline constexpr double kValidShareOfSupply = 0.53;

// Every arithmetic step of a formula goes through one of these three, which
// stop the formula at the first step whose result cannot be used.
inline double Checked(double x)
{
    if (!std::isfinite(x))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return x;
}

inline double Divide(double numerator, double divisor)
{
    if (divisor == 0.0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    return Checked(numerator / divisor);
}

inline double SquareRoot(double x)
{
    if (x < 0.0)
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    return Checked(std::sqrt(x));
}

}  // namespace Calculator::detail
