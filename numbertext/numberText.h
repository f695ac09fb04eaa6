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
// infinity, NaN and values beyond the double range are not numbers. Digit
// grouping is read as grouping only when it is well formed: in de_DE "1.500"
// is 1500, but "0.625" and "1.50" are not numbers (a group separator after a
// leading 0, or not followed by a whole group of digits, is no grouping).
std::optional<double> parse(const QString &text, const QLocale &locale = QLocale());

// Why parse() does not take a text as a number.
enum class Rejection {
    Empty,            // nothing but blanks
    NotANumber,       // anything else that is no number
    OutOfRange,       // a number beyond the double range ("1e400")
    TooSmall,         // a number other than 0 too close to 0 for a double
                      // ("1e-400")
    DecimalSeparator, // a number once its group separator is read as the
                      // decimal separator: "0.625" in de_DE
};
// Only for a text that parse() rejects.
Rejection rejection(const QString &text, const QLocale &locale = QLocale());

inline bool isNumber(const QString &text, const QLocale &locale = QLocale())
{
    return parse(text, locale).has_value();
}

// Whether parse() reads the text as a number with digit grouping: "1.500"
// in de_DE, "1,500" in en_US. Blanks around the number are no grouping.
bool readsGrouping(const QString &text, const QLocale &locale = QLocale());

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
