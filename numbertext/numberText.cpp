// SPDX-License-Identifier: MIT
#include "numberText.h"

#include <QList>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace NumberText {

namespace {

// Some locales write a direction mark before (or around) a sign: U+200E
// (Hebrew, Urdu, Persian...), U+200F (Sorani) or U+061C (Arabic), so that the
// sign stays on the left of the digits in right-to-left text. The marks are
// invisible and carry no value, but the locale does not read its own
// negative numbers with them; they are dropped before it reads a text.
bool isDirectionMark(QChar c)
{
    return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C);
}

// The largest value whose 15-digit text reads back within the double range.
constexpr double kLargestWritten = 1.79769313486231e308;

// The decimal exponent of a value once it is rounded to 15 significant
// digits, as the locale's writer rounds it.
int exponentOf15Digits(double magnitude)
{
    const QString scientific = QLocale::c().toString(magnitude, 'e', 14); // "d.ddddddddddddde-XX"
    return scientific.sliced(scientific.indexOf(QLatin1Char('e')) + 1).toInt();
}

// Qt 6.4 reads a text through a system locale (the default one, unless the
// program sets another) by asking the platform for the locale's symbols
// again for every character it reads, some 2,500 instructions each: 25 to
// 40 ms for the 32,767 characters a field takes. A long text is read through
// the named locale instead when it has the very same symbols and options,
// which reads every text the same way.
QLocale readerFor(const QLocale &locale, qsizetype length)
{
    if (length <= 64)
        return locale;
    QLocale named(locale.name());
    named.setNumberOptions(locale.numberOptions());
    const bool same = named.decimalPoint() == locale.decimalPoint()
                      && named.groupSeparator() == locale.groupSeparator()
                      && named.negativeSign() == locale.negativeSign()
                      && named.positiveSign() == locale.positiveSign()
                      && named.zeroDigit() == locale.zeroDigit() && named.exponential() == locale.exponential();
    return same ? named : locale;
}

// The text as the locale reads it: blanks around it and direction marks gone.
QString prepared(const QString &text)
{
    QString trimmed = text.trimmed();
    trimmed.removeIf(isDirectionMark);
    return trimmed;
}

// Blanks a space-like group separator may be typed as: the space key gives
// U+0020 where the locale writes U+00A0 or U+202F.
bool isSpaceLike(char32_t c)
{
    return c == 0x0020 || c == 0x00A0 || c == 0x2009 || c == 0x202F;
}

qsizetype digitCount(const QString &text)
{
    const QList<uint> points = text.toUcs4();
    return std::ranges::count_if(points, [](uint c) { return QChar::isDigit(char32_t(c)); });
}

// The sizes of the locale's digit groups, the last one and the ones before
// it (3 and 3 in de_DE, 3 and 2 in hi_IN), read from its own text of a
// 20-digit number.
std::pair<qsizetype, qsizetype> groupSizes(const QLocale &locale, const QString &separator)
{
    QLocale writer = locale;
    writer.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QStringList groups = writer.toString(10000000000000000000ULL).split(separator);
    if (groups.size() < 3)
        return {3, 3};
    return {digitCount(groups.last()), digitCount(groups.at(groups.size() - 2))};
}

// Digit grouping is read as grouping only when it is well formed: every
// group separator stands in the whole part, the first group does not start
// with 0, and the groups after it have the locale's sizes. So in de_DE "1.500" and "12.345.678" are grouped, while
// "0.625" (a separator after a lone 0), "1.50" and "1.5000" (not followed by
// three digits) are not numbers: the locale's own reading would take
// "0.625" as 625, a thousand times what was meant. A text without a group
// separator passes untouched.
bool wellGrouped(const QString &text, const QLocale &locale)
{
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty() || separator == locale.decimalPoint())
        return true;
    const QList<uint> in = text.toUcs4();
    const QList<uint> symbol = separator.toUcs4();
    const bool spaceGroups = symbol.size() == 1 && isSpaceLike(char32_t(symbol.first()));
    // The length of the group separator at a place in the text, 0 for none.
    const auto separatorAt = [&](qsizetype at) -> qsizetype {
        if (spaceGroups)
            return isSpaceLike(char32_t(in.at(at))) ? 1 : 0;
        const bool found = in.size() - at >= symbol.size()
                           && std::equal(symbol.cbegin(), symbol.cend(), in.cbegin() + at);
        return found ? symbol.size() : 0;
    };
    const auto digitAt = [&](qsizetype at) { return at < in.size() && QChar::isDigit(char32_t(in.at(at))); };

    bool anySeparator = false;
    for (qsizetype i = 0; i < in.size() && !anySeparator; ++i)
        anySeparator = separatorAt(i) > 0;
    if (!anySeparator)
        return true;

    // Up to the first digit: a sign, and no separator.
    qsizetype at = 0;
    for (; at < in.size() && !digitAt(at); ++at)
        if (separatorAt(at))
            return false;
    const qsizetype firstDigit = at;
    QList<qsizetype> groups;
    for (;;) {
        qsizetype count = 0;
        for (; digitAt(at); ++at)
            ++count;
        groups.append(count);
        const qsizetype length = at < in.size() ? separatorAt(at) : 0;
        if (length == 0)
            break;
        at += length;
    }
    // None in the decimals or the exponent.
    for (; at < in.size(); ++at)
        if (separatorAt(at))
            return false;
    if (groups.size() == 1)
        return true;
    if (QChar::digitValue(char32_t(in.at(firstDigit))) == 0)
        return false;
    // Named copies rather than a structured binding, which clang before 16
    // cannot capture in the lambda below.
    const std::pair<qsizetype, qsizetype> sizes = groupSizes(locale, separator);
    const qsizetype last = sizes.first;
    const qsizetype other = sizes.second;
    // The first group's length is left to the locale's own reading: Qt 6.4
    // writes "1234 567,50" in sq_AL and bg_BG.
    if (groups.first() < 1 || groups.last() != last)
        return false;
    return std::all_of(groups.cbegin() + 1, groups.cend() - 1, [other](qsizetype size) { return size == other; });
}

// A locale's symbol as code points, without the direction marks parse()
// drops from the text.
QList<uint> codePoints(QString symbol)
{
    symbol.removeIf(isDirectionMark);
    return symbol.toUcs4();
}

// Whether digits grouped as `groups` (digits per group, most significant
// first) follow the locale's grouping: the last group as large as the
// locale's last, the ones between as large as the locale's others, the
// first no larger (1,234,567 in en_US, 12,34,567 in hi_IN). The sizes are
// read from the locale's own text of a 20-digit number.
bool groupedAsTheLocaleGroups(const QList<qsizetype> &groups, const QLocale &locale)
{
    QList<qsizetype> sizes;
    for (const QString &group : locale.toString(10000000000000000000ULL).split(locale.groupSeparator()))
        sizes.append(codePoints(group).size());
    if (sizes.size() < 3 || groups.size() < 2)
        return false;
    const qsizetype last = sizes.last();
    const qsizetype other = sizes.at(sizes.size() - 2);
    if (groups.last() != last || groups.first() < 1 || groups.first() > other)
        return false;
    return std::all_of(groups.cbegin() + 1, groups.cend() - 1, [other](qsizetype size) { return size == other; });
}

// Qt 6.8 does not read every text its own locale writes: seven grouped
// digits where the locale groups four digits no more ("1.234.567,50" in
// it_IT, "1 234 567,50" in sq_AL and bg_BG), and an exponent "E" where the
// locale's own symbol is another ("-١E+١٥" in ar_EG, "−1E+15" in ksh_DE).
// Such a text is rewritten in the C locale's symbols for Qt to read: the
// locale's digits, ASCII digits, the locale's signs, '+', '-' and U+2212,
// the locale's decimal separator, its group separator (any space-like blank
// where that is one) between the digits of the whole part in groups of the
// locale's sizes, and as the exponent its own symbol, 'e' or 'E'. Anything
// else, or anything left over, is not a number.
std::optional<QString> inCSymbols(const QString &text, const QLocale &locale)
{
    const QList<uint> in = text.toUcs4();
    const uint zero = codePoints(locale.zeroDigit()).value(0, '0');
    const QList<uint> decimalPoint = codePoints(locale.decimalPoint());
    const QList<uint> groupSeparator = codePoints(locale.groupSeparator());
    const QList<uint> minus = codePoints(locale.negativeSign());
    const QList<uint> plus = codePoints(locale.positiveSign());
    const QList<uint> exponential = codePoints(locale.exponential());
    const bool spaceGroups = groupSeparator.size() == 1 && isSpaceLike(groupSeparator.first());

    qsizetype at = 0;
    const auto take = [&](const QList<uint> &symbol) {
        if (symbol.isEmpty() || in.size() - at < symbol.size()
            || !std::equal(symbol.cbegin(), symbol.cend(), in.cbegin() + at))
            return false;
        at += symbol.size();
        return true;
    };
    const auto takeOne = [&](uint c) { return take(QList<uint>{c}); };
    const auto digit = [&]() -> int {
        if (at == in.size())
            return -1;
        const uint c = in.at(at);
        if (c >= '0' && c <= '9')
            return int(c - '0');
        return c >= zero && c - zero < 10 ? int(c - zero) : -1;
    };
    QString c;
    const auto takeSign = [&] {
        if (take(minus) || takeOne('-') || takeOne(0x2212))
            c += QLatin1Char('-');
        else if (take(plus) || takeOne('+'))
            c += QLatin1Char('+');
    };
    const auto takeDigits = [&] {
        qsizetype count = 0;
        for (int d = digit(); d >= 0; d = digit()) {
            c += QLatin1Char(char('0' + d));
            ++count;
            ++at;
        }
        return count;
    };

    takeSign();
    QList<qsizetype> groups{takeDigits()};
    while (groups.last() > 0 && at < in.size()
           && ((spaceGroups && isSpaceLike(in.at(at)) && ++at) || take(groupSeparator))) {
        groups.append(takeDigits());
    }
    if (groups.size() > 1 && !groupedAsTheLocaleGroups(groups, locale))
        return std::nullopt;
    qsizetype digits = groups.last();
    if (take(decimalPoint)) {
        c += QLatin1Char('.');
        digits += takeDigits();
    }
    if (groups.size() == 1 && digits == 0)
        return std::nullopt;
    if (take(exponential) || takeOne('e') || takeOne('E')) {
        c += QLatin1Char('e');
        takeSign();
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (at != in.size())
        return std::nullopt;
    return c;
}

} // namespace

std::optional<double> parse(const QString &text, const QLocale &locale)
{
    const QString trimmed = prepared(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    if (!wellGrouped(trimmed, locale))
        return std::nullopt;
    bool ok = false;
    double value = readerFor(locale, trimmed.size()).toDouble(trimmed, &ok);
    if (!ok) {
        if (const std::optional<QString> c = inCSymbols(trimmed, locale))
            value = QLocale::c().toDouble(*c, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Rejection rejection(const QString &text, const QLocale &locale)
{
    const QString trimmed = prepared(text);
    if (trimmed.isEmpty())
        return Rejection::Empty;
    if (!wellGrouped(trimmed, locale)) {
        QString swapped = trimmed;
        swapped.replace(locale.groupSeparator(), locale.decimalPoint());
        return parse(swapped, locale) ? Rejection::DecimalSeparator : Rejection::NotANumber;
    }
    // The locale's reading gives an infinity, and says it failed, for a
    // number beyond the range; "inf" itself it reads without failing.
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok && std::isinf(value))
        return Rejection::OutOfRange;
    // For a number too close to 0 it gives 0 and says it failed, as it does
    // for any text that is no number; a text in the locale's symbols that
    // the C locale reads that way is such a number.
    if (const std::optional<QString> c = inCSymbols(trimmed, locale)) {
        const double cValue = QLocale::c().toDouble(*c, &ok);
        if (!ok && std::isinf(cValue))
            return Rejection::OutOfRange;
        if (!ok && cValue == 0.0)
            return Rejection::TooSmall;
    }
    return Rejection::NotANumber;
}

bool readsGrouping(const QString &text, const QLocale &locale)
{
    if (!parse(text, locale))
        return false;
    // A number parse() reads has group separators only in its whole part,
    // where they group its digits.
    const QString trimmed = prepared(text);
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty() || separator == locale.decimalPoint())
        return false;
    const QList<uint> symbol = separator.toUcs4();
    if (symbol.size() == 1 && isSpaceLike(char32_t(symbol.first()))) {
        const QList<uint> points = trimmed.toUcs4();
        return std::ranges::any_of(points, [](uint c) { return isSpaceLike(char32_t(c)); });
    }
    return trimmed.contains(separator);
}

double roundTo5Decimals(double value)
{
    // From 2^52 on every double is a whole number; nothing to round.
    if (!std::isfinite(value) || std::fabs(value) >= 4503599627370496.0)
        return value;
    // std::to_chars with a precision formats the exact binary value and
    // rounds an exact tie to even, which is the rounding we want (QLocale
    // would round a tie up).
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded + 0.0; // -0 + 0 is +0
}

QString formatGeneral(double value, const QLocale &locale)
{
    Q_ASSERT(std::isfinite(value));
    if (value == 0.0) // negative zero too
        return QStringLiteral("0");

    QLocale writer = locale;
    writer.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);

    // Rounded up to 15 digits, the largest doubles would read back as beyond
    // the double range; they are written as the largest 15-digit value below.
    if (std::fabs(value) > kLargestWritten)
        value = std::copysign(kLargestWritten, value);

    // 15 significant digits, trailing zeros dropped, the locale's digits,
    // decimal separator and signs. The digits are the exact binary value
    // rounded; a value exactly halfway at the 15th digit (1000000000000005,
    // say) is rounded away from zero: "1.00000000000001E+15".
    //
    // 'G' already writes exponent notation from 1E+15 upwards, but also
    // from below 0.0001; from 0.00001 to 0.0001 the digits are written in
    // place, 15 of them after the leading zeros.
    if (std::fabs(value) < 1e-4 && exponentOf15Digits(std::fabs(value)) == -5) {
        QString text = writer.toString(value, 'f', 19);
        const QString zero = writer.zeroDigit();
        while (text.endsWith(zero))
            text.chop(zero.size());
        return text;
    }
    QString text = writer.toString(value, 'G', 15);
    // The exponent is written "E" in every locale: several locales' own
    // symbols ("×10^", "اس") are not read back by their own number parsing.
    const QString exponential = writer.exponential().toUpper();
    if (exponential != QLatin1String("E"))
        text.replace(exponential, QLatin1String("E"));
    return text;
}

} // namespace NumberText
