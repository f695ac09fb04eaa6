// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// How the window reads numbers from field texts and writes them back: the one
// place for the number test, the rounding of results and the general format.
namespace NumberText {

// The number test and the text-to-number rule in one: the locale's number
// parsing of the whole text, blanks around it allowed. The empty text,
// infinity, NaN and values beyond the double range are not numbers.
std::optional<double> parse(const QString &text, const QLocale &locale = QLocale());

inline bool isNumber(const QString &text, const QLocale &locale = QLocale())
{
    return parse(text, locale).has_value();
}

// Rounds to 5 decimal places, a value exactly halfway (on the double's exact
// binary value) going to the even digit. Never returns -0.
double roundTo5Decimals(double value);

// The general format: at most 15 significant digits, no trailing zeros and no
// trailing decimal separator, the locale's decimal separator and minus sign,
// no digit grouping. Exponent notation from 1E+15 upwards and below 0.00001
// ("1E+20", "1.5E+15", "1E-06"). Zero, negative zero included, is "0".
// The value must be finite.
QString formatGeneral(double value, const QLocale &locale = QLocale());

// A computed result as the window shows it: rounded, then in the general format.
inline QString formatRounded(double value, const QLocale &locale = QLocale())
{
    return formatGeneral(roundTo5Decimals(value), locale);
}

} // namespace NumberText
