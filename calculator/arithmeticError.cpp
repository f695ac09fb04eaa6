// SPDX-License-Identifier: MIT
#include "calculator/arithmeticError.h"

namespace Calculator {

namespace {

const char* Describe(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return "arithmetic overflow";
    case ArithmeticError::Kind::DivisionByZero:
        return "division by zero";
    case ArithmeticError::Kind::InvalidOperation:
        return "invalid arithmetic operation";
    }
    return "arithmetic error";
}

}  // namespace

ArithmeticError::ArithmeticError(Kind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

}  // namespace Calculator
