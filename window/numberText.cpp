// SPDX-License-Identifier: MIT
#include "numberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace NumberText {

namespace {

// What the number rules need of a locale, looked up once: a QLocale answers
// each of these questions with a new string, and the system locale by asking
// the platform each time, which costs more than the whole conversion.
struct LocaleSymbols {
    QLocale locale;
    QString decimalPoint;
    QString negativeSign;
    // The locale reads [+-]digits[.digits][(e|E)[+-]digits] as the C locale
    // does: each of these characters stands for itself, and no option rejects
    // any such text.
    bool readsPlainNumbers = false;
};

bool standsForItself(const QString &symbol, char self)
{
    static constexpr std::string_view plainCharacters = "0123456789.+-eE";
    if (symbol.size() != 1)
        return true; // a one-character text never equals a longer symbol
    const char16_t c = symbol.front().unicode();
    return c == char16_t(self) || c > 0x7f || plainCharacters.find(char(c)) == std::string_view::npos;
}

const LocaleSymbols &symbolsOf(const QLocale &locale)
{
    thread_local LocaleSymbols cached;
    thread_local bool valid = false;
    if (!valid || !(cached.locale == locale)) {
        cached.locale = locale;
        cached.decimalPoint = locale.decimalPoint();
        cached.negativeSign = locale.negativeSign();
        const QLocale::NumberOptions rejecting =
            QLocale::RejectLeadingZeroInExponent | QLocale::RejectTrailingZeroesAfterDot;
        cached.readsPlainNumbers = cached.decimalPoint == QLatin1StringView(".")
                                   && locale.exponential().compare(QLatin1StringView("e"), Qt::CaseInsensitive) == 0
                                   && standsForItself(locale.positiveSign(), '+')
                                   && standsForItself(cached.negativeSign, '-')
                                   && standsForItself(locale.groupSeparator(), ',')
                                   && !(locale.numberOptions() & rejecting);
        valid = true;
    }
    return cached;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A text of the plain form [+-]digits[.digits][(e|E)[+-]digits], at most 40
// characters, read by std::from_chars. Gives nothing for any other text, and
// for the values the locale reads its own way (no value at all after
// rounding, or one below the normal range), so the caller asks the locale.
std::optional<double> parsePlain(QStringView text)
{
    char buffer[40];
    if (text.size() > qsizetype(sizeof buffer))
        return std::nullopt;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto at = [&](qsizetype k) { return k < n ? text[k].unicode() : char16_t(0); };
    const auto digits = [&] {
        const qsizetype start = i;
        while (isDigit(at(i)))
            ++i;
        return i - start;
    };

    const qsizetype signLength = (at(0) == u'+' || at(0) == u'-') ? 1 : 0;
    i = signLength;
    bool nonZeroMantissa = false;
    const qsizetype mantissaStart = i;
    if (digits() == 0)
        return std::nullopt;
    if (at(i) == u'.') {
        ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    for (qsizetype k = mantissaStart; k < i; ++k)
        nonZeroMantissa = nonZeroMantissa || (text[k].unicode() >= u'1' && text[k].unicode() <= u'9');
    if (at(i) == u'e' || at(i) == u'E') {
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    // std::from_chars takes a minus sign but no plus sign.
    const qsizetype skip = at(0) == u'+' ? 1 : 0;
    for (qsizetype k = skip; k < n; ++k)
        buffer[k - skip] = char(text[k].unicode());
    double value = 0.0;
    const auto [end, error] = std::from_chars(buffer, buffer + (n - skip), value);
    if (error != std::errc() || end != buffer + (n - skip))
        return std::nullopt;
    if (value == 0.0 ? nonZeroMantissa : !std::isnormal(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    // Blanks around the number as trimmed() takes them.
    QStringView view(text);
    while (!view.isEmpty() && view.front().isSpace())
        view = view.sliced(1);
    while (!view.isEmpty() && view.back().isSpace())
        view.chop(1);
    if (view.isEmpty())
        return std::nullopt;

    // The plain form, where the locale reads it as the C locale does, is read
    // directly: both readings round correctly, so they give the same double.
    if (symbolsOf(locale).readsPlainNumbers) {
        if (const auto value = parsePlain(view))
            return value;
    }

    bool ok = false;
    const double value = locale.toDouble(view, &ok);
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
    // digits, correctly rounded, and the exponent after that rounding:
    // "d.ddddddddddddddde+XX", the exponent two or three digits long.
    char sci[32];
    const char *const sciEnd = std::to_chars(sci, sci + sizeof sci, std::fabs(value),
                                             std::chars_format::scientific, 14).ptr;
    char digits[15];
    digits[0] = sci[0];
    std::memcpy(digits + 1, sci + 2, 14);
    const char *const e = sci + 16;
    Q_ASSERT(*e == 'e' && (e[1] == '+' || e[1] == '-'));
    int exponent = 0;
    for (const char *p = e + 2; p < sciEnd; ++p)
        exponent = exponent * 10 + (*p - '0');
    if (e[1] == '-')
        exponent = -exponent;
    // Rounded up to 15 digits, the largest doubles would read back as beyond
    // the double range; their last digit is cut instead, so every text the
    // window writes reads back as a number.
    if (exponent == 308 && std::memcmp(digits, "179769313486231", 15) > 0)
        std::memcpy(digits, "179769313486231", 15);
    qsizetype digitCount = 15;
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;

    // The text is sized first and written into a QString allocated once.
    const LocaleSymbols &symbols = symbolsOf(locale);
    const QString &decimal = symbols.decimalPoint;
    const QString sign = value < 0 ? symbols.negativeSign : QString();
    const bool exponentForm = exponent >= 15 || exponent < -5;
    const int magnitude = std::abs(exponent);
    const qsizetype integerDigits = exponent + 1; // positional form, exponent >= 0
    qsizetype length = sign.size();
    if (exponentForm)
        length += 1 + (digitCount > 1 ? decimal.size() + digitCount - 1 : 0) + 2 + (magnitude < 100 ? 2 : 3);
    else if (exponent < 0)
        length += 1 + decimal.size() + (-exponent - 1) + digitCount;
    else if (digitCount <= integerDigits)
        length += integerDigits;
    else
        length += integerDigits + decimal.size() + (digitCount - integerDigits);

    QString out(length, Qt::Uninitialized);
    QChar *p = out.data();
    const auto put = [&p](QStringView part) {
        for (QChar c : part)
            *p++ = c;
    };
    const auto putDigits = [&p](const char *from, qsizetype count) {
        for (qsizetype i = 0; i < count; ++i)
            *p++ = QLatin1Char(from[i]);
    };
    const auto putZeros = [&p](qsizetype count) {
        for (qsizetype i = 0; i < count; ++i)
            *p++ = QLatin1Char('0');
    };

    put(sign);
    if (exponentForm) {
        putDigits(digits, 1);
        if (digitCount > 1) {
            put(decimal);
            putDigits(digits + 1, digitCount - 1);
        }
        *p++ = QLatin1Char('E');
        *p++ = QLatin1Char(exponent < 0 ? '-' : '+');
        if (magnitude >= 100)
            *p++ = QLatin1Char(char('0' + magnitude / 100));
        *p++ = QLatin1Char(char('0' + magnitude / 10 % 10));
        *p++ = QLatin1Char(char('0' + magnitude % 10));
    } else if (exponent < 0) {
        *p++ = QLatin1Char('0');
        put(decimal);
        putZeros(-exponent - 1);
        putDigits(digits, digitCount);
    } else if (digitCount <= integerDigits) {
        putDigits(digits, digitCount);
        putZeros(integerDigits - digitCount);
    } else {
        putDigits(digits, integerDigits);
        put(decimal);
        putDigits(digits + integerDigits, digitCount - integerDigits);
    }
    Q_ASSERT(p == out.data() + out.size());
    return out;
}

} // namespace NumberText
