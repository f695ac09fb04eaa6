// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace Calculator {

// Thrown by a formula step whose result cannot be used. The step stops the
// function; outputs it had not written yet keep their old values.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind {
        Overflow,          // a result that is infinite or NaN
        DivisionByZero,    // a division by an exact zero that no guard catches
        InvalidOperation,  // the square root of a negative number
    };

    explicit ArithmeticError(Kind kind);  // what() gives a short plain-English text
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

}  // namespace Calculator
