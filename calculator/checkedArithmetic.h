// SPDX-License-Identifier: MIT
#pragma once

// The steps every formula of the library is built from, for the library's own
// source files only (no public header includes this one). Each step stops the
// formula with ArithmeticError as soon as its result cannot be used.

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
