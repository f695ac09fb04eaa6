// SPDX-License-Identifier: MIT
// Fuzzes the rounding of results and the general number format.
//
// The first eight input bytes are the bits of a double (non-finite ones are
// skipped: no field is ever asked to show them); the rest choose nothing.
// Under the C, German and US English locales, for the general format and
// for a result rounded to 5 decimals, the text:
//   - is never "-0" and never starts with the minus sign for a zero;
//   - holds only digits, the decimal separator, the minus sign, "E" and "+";
//   - is at most 22 characters long. The longest forms are a sign, one digit,
//     the separator, 14 more digits and "E+308" or "E-324" (1+1+1+14+5), and a
//     sign, "0", the separator, four zeros and 15 digits (1+1+1+4+15);
//   - passes the number test and reads back as the same value to 15
//     significant digits, except in the band just below the largest double
//     whose 15-digit form, rounded, would lie beyond the double range: that
//     is cut to 1.79769313486231E+308 instead.
// A rounded result moreover never has more than 5 decimals, never takes the
// small-number exponent form, lies within half a unit of the fifth decimal of
// the value, is rounded already, and for magnitudes below 1E+10 reads back as
// the very double that was rounded.
#include "fuzzCheck.h"
#include "numberText.h"

#include <QLocale>
#include <QString>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr qsizetype longestText = 22;
constexpr double wholeFrom = 4503599627370496.0; // 2^52: every double from here on is whole

// Rounded to 15 digits, the largest doubles would be this, beyond the range;
// the general format cuts them to the largest 15-digit value below it.
const char *const beyondRangeDigits = "1.79769313486232e+308";
const char *const largestWrittenDigits = "1.79769313486231e+308";

const char *localeName(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::C: return "C";
    case QLocale::German: return "de_DE";
    default: return "en_US";
    }
}

void checkText(const QString &text, double value, const QLocale &locale, const char *what)
{
    const std::string shown = FuzzCheck::exact(value);
    FUZZ_CHECK(!text.isEmpty() && text != QStringLiteral("-0"), "%s of %s under %s is \"%s\"", what,
               shown.c_str(), localeName(locale), qPrintable(text));
    FUZZ_CHECK(value != 0.0 || text == QStringLiteral("0"), "%s of a zero under %s is \"%s\"", what,
               localeName(locale), qPrintable(text));
    FUZZ_CHECK(text.size() <= longestText, "%s of %s under %s is \"%s\", %lld characters", what, shown.c_str(),
               localeName(locale), qPrintable(text), static_cast<long long>(text.size()));

    const QString decimal = locale.decimalPoint();
    const QString minus = locale.negativeSign();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const bool allowed = ch.isDigit() || text.mid(i, decimal.size()) == decimal || ch == QLatin1Char('E')
                             || ch == QLatin1Char('+') || ch == QLatin1Char('-')
                             || text.mid(i, minus.size()) == minus;
        FUZZ_CHECK(allowed, "%s of %s under %s is \"%s\": character %lld is not allowed", what, shown.c_str(),
                   localeName(locale), qPrintable(text), static_cast<long long>(i));
    }

    const auto back = NumberText::parse(text, locale);
    FUZZ_CHECK(back.has_value(), "%s of %s under %s is \"%s\", which is not a number", what, shown.c_str(),
               localeName(locale), qPrintable(text));
    if (FuzzCheck::digits15(std::fabs(value)) == beyondRangeDigits) {
        FUZZ_CHECK(FuzzCheck::digits15(std::fabs(*back)) == largestWrittenDigits && (*back < 0) == (value < 0),
                   "%s of %s under %s is \"%s\", which reads back as %s", what, shown.c_str(), localeName(locale),
                   qPrintable(text), FuzzCheck::exact(*back).c_str());
        return;
    }
    FUZZ_CHECK(FuzzCheck::digits15(*back) == FuzzCheck::digits15(value),
               "%s of %s under %s is \"%s\", which reads back as %s", what, shown.c_str(), localeName(locale),
               qPrintable(text), FuzzCheck::exact(*back).c_str());
}

void checkRounding(double value, const QLocale &locale)
{
    const double rounded = NumberText::roundTo5Decimals(value);
    const std::string shown = FuzzCheck::exact(value);
    FUZZ_CHECK(std::isfinite(rounded), "%s rounds to %s", shown.c_str(), FuzzCheck::exact(rounded).c_str());
    FUZZ_CHECK(!(rounded == 0.0 && std::signbit(rounded)), "%s rounds to -0", shown.c_str());
    FUZZ_CHECK(NumberText::roundTo5Decimals(rounded) == rounded, "%s rounds to %s, which rounds again to %s",
               shown.c_str(), FuzzCheck::exact(rounded).c_str(),
               FuzzCheck::exact(NumberText::roundTo5Decimals(rounded)).c_str());
    if (std::fabs(value) >= wholeFrom) {
        FUZZ_CHECK(rounded == value, "the whole number %s rounds to %s", shown.c_str(),
                   FuzzCheck::exact(rounded).c_str());
    } else {
        // Half a unit of the fifth decimal, with room for the rounding of the
        // decimal result to a double (half a unit in the last place of the
        // value, at most) and of the difference.
        const double lastPlace = value == 0.0 ? 0.0 : std::ldexp(1.0, std::ilogb(value) - 52);
        const double slack = 0.000005 * (1 + 1e-12) + lastPlace;
        FUZZ_CHECK(std::fabs(rounded - value) <= slack, "%s rounds to %s, too far away", shown.c_str(),
                   FuzzCheck::exact(rounded).c_str());
    }

    const QString text = NumberText::formatRounded(value, locale);
    checkText(text, rounded, locale, "the rounded result");
    FUZZ_CHECK(!text.contains(QLatin1StringView("E-")), "the rounded result of %s is \"%s\"", shown.c_str(),
               qPrintable(text));
    const qsizetype separator = text.indexOf(locale.decimalPoint());
    if (separator >= 0 && !text.contains(QLatin1Char('E')))
        FUZZ_CHECK(text.size() - separator - 1 <= 5, "the rounded result of %s under %s is \"%s\"", shown.c_str(),
                   localeName(locale), qPrintable(text));
    if (std::fabs(rounded) < 1e10) {
        const auto back = NumberText::parse(text, locale);
        FUZZ_CHECK(back && *back == rounded, "the rounded result %s of %s under %s is \"%s\", read back as %s",
                   FuzzCheck::exact(rounded).c_str(), shown.c_str(), localeName(locale), qPrintable(text),
                   back ? FuzzCheck::exact(*back).c_str() : "no number");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale c = QLocale::c();
    static const QLocale german(QLocale::German, QLocale::Germany);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);

    if (size < sizeof(double))
        return 0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double value = std::bit_cast<double>(bits);
    if (!std::isfinite(value))
        return 0;

    for (const QLocale *locale : {&c, &german, &english}) {
        const QString general = NumberText::formatGeneral(value, *locale);
        checkText(general, value, *locale, "the general format");
        checkRounding(value, *locale);
    }
    return 0;
}
