// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator/calculator.h"

namespace CalculatorTest {

// The worked values are quoted to fifteen significant digits.
inline std::string Digits15(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// A result as the window shows it, to 5 decimals. printf rounds the double's
// exact value, and an exact tie to even (0.015625 gives "0.01562").
inline std::string Decimals5(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.5f", value);
    return text;
}

// A result as the window shows it: rounded to 5 decimal places, a value
// exactly halfway (on the double's exact binary value) going to the even digit.
inline double RoundTo5Decimals(double value)
{
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 5);
    double rounded = 0.0;
    std::from_chars(text, written.ptr, rounded);
    return rounded + 0.0;  // no -0
}

struct ShownMessage {
    std::string prompt;
    std::string title;
    Calculator::MessageIcon icon;
};

// Records every message the library shows; removes the handler afterwards so
// no test leaks it into the next.
class MessageCapture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Calculator::SetMessageHandler([this](const Calculator::Message& m) {
            shown.push_back({std::string(m.prompt), std::string(m.title), m.icon});
            if (onShow)
                onShow();
        });
    }
    void TearDown() override { Calculator::SetMessageHandler({}); }

    std::vector<ShownMessage> shown;
    std::function<void()> onShow;  // runs while the "box" is open
};

// Runs f and returns the kind of ArithmeticError it threw; fails the test if it
// threw nothing.
template <typename F>
Calculator::ArithmeticError::Kind ErrorKindOf(F&& f)
{
    try {
        f();
    } catch (const Calculator::ArithmeticError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no ArithmeticError thrown";
    return static_cast<Calculator::ArithmeticError::Kind>(-1);
}

}  // namespace CalculatorTest
