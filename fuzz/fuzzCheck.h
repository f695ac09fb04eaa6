// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// A property a fuzz target holds the code to. A broken one prints what was
// expected and aborts, so libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n  ", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace FuzzCheck {

// A double written with all 17 significant digits, for messages.
inline std::string exact(double value)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 16).ptr;
    return std::string(buffer, end);
}

// The first 15 significant digits and the exponent of a double, as text; the
// two zeros compare equal. Rounded as the window writes numbers: correctly,
// and a value exactly halfway at the 15th digit away from zero.
inline std::string digits15(double value)
{
    // Every double's exact decimal value has at most 767 significant digits.
    char exact[840];
    const char *const exactEnd =
        std::to_chars(exact, exact + sizeof exact, std::fabs(value), std::chars_format::scientific, 800).ptr;
    bool tie = exact[16] == '5';
    for (const char *p = exact + 17; tie && p < exactEnd && *p != 'e'; ++p)
        tie = *p == '0';
    if (tie) // the next double up lies past the tie and short of the next 15-digit value
        value = std::copysign(std::nextafter(std::fabs(value), HUGE_VAL), value);
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value + 0.0, std::chars_format::scientific, 14).ptr;
    return std::string(buffer, end);
}

} // namespace FuzzCheck
