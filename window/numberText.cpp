// SPDX-License-Identifier: MIT
#include "numberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace NumberText {

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundTo5Decimals(double value)
{
    // From 2^52 on every double is a whole number; nothing to round.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0)
        return value;
    // std::to_chars with a precision formats the exact binary value and
    // rounds an exact tie to even, which is the rounding we want.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed, 5);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded + 0.0; // -0 + 0 is +0
}

QString formatGeneral(double value, const QLocale &locale)
{
    Q_ASSERT(std::isfinite(value));
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : locale.toString(value);

    // Scientific with 14 digits after the point gives the 15 significant
    // digits, correctly rounded, and the exponent after that rounding.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 14);
    const std::string_view sci(buffer, written.ptr - buffer);
    const auto ePos = sci.find('e');
    std::string digits;
    digits.reserve(15);
    for (char c : sci.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    // The exponent ends the buffer, which has no terminating zero.
    const std::string_view exponentText = sci.substr(ePos + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    // Rounded up to 15 digits, the largest doubles would read back as beyond
    // the double range; their last digit is cut instead, so every text the
    // window writes reads back as a number.
    if (exponent == 308 && std::string_view(digits) > "179769313486231")
        digits = "179769313486231";
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const QString decimal = locale.decimalPoint();
    QString out;
    if (value < 0)
        out += locale.negativeSign();

    if (exponent >= 15 || exponent < -5) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            out += decimal;
            out += QLatin1StringView(digits.data() + 1, qsizetype(digits.size() - 1));
        }
        out += exponent < 0 ? QLatin1StringView("E-") : QLatin1StringView("E+");
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += QLatin1Char('0');
        out += QString::number(magnitude);
        return out;
    }

    if (exponent < 0) {
        out += QLatin1Char('0');
        out += decimal;
        out += QString(-exponent - 1, QLatin1Char('0'));
        out += QLatin1StringView(digits.data(), qsizetype(digits.size()));
        return out;
    }

    const auto integerDigits = std::size_t(exponent) + 1;
    if (digits.size() <= integerDigits) {
        out += QLatin1StringView(digits.data(), qsizetype(digits.size()));
        out += QString(qsizetype(integerDigits - digits.size()), QLatin1Char('0'));
    } else {
        out += QLatin1StringView(digits.data(), qsizetype(integerDigits));
        out += decimal;
        out += QLatin1StringView(digits.data() + integerDigits,
                                 qsizetype(digits.size() - integerDigits));
    }
    return out;
}

} // namespace NumberText
