// SPDX-License-Identifier: MIT
// Reading numbers from field texts, rounding results and the general format,
// under the C, US English and German locales, and in every locale Qt knows
// what the window writes and what the locale writes itself.
#include "numberText.h"

#include <QTest>

#include <cmath>
#include <limits>

using NumberText::formatGeneral;
using NumberText::formatRounded;
using NumberText::parse;
using NumberText::roundTo5Decimals;

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void parseAccepts_data();
    void parseAccepts();
    void parseRejects_data();
    void parseRejects();
    void rejectionSaysWhy_data();
    void rejectionSaysWhy();
    void germanDecimalComma();
    void usesDefaultLocale();
    void readsGrouping_data();
    void readsGrouping();

    void rounding_data();
    void rounding();
    void roundingNeverGivesNegativeZero();

    void general_data();
    void general();
    void generalUsesLocaleSeparatorAndNoGrouping();
    void generalReadsBack_data();
    void generalReadsBack();
    void everyLocaleReadsItsOwnTexts_data();
    void everyLocaleReadsItsOwnTexts();
};

void tst_NumberText::parseAccepts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("C: integer") << "C" << "7" << 7.0;
    QTest::newRow("C: leading zeros") << "C" << "007" << 7.0;
    QTest::newRow("C: blanks around") << "C" << " 7 " << 7.0;
    QTest::newRow("C: negative decimal") << "C" << "-2.5" << -2.5;
    QTest::newRow("C: plus sign") << "C" << "+3" << 3.0;
    QTest::newRow("C: exponent") << "C" << "1e3" << 1000.0;
    QTest::newRow("C: capital exponent with sign") << "C" << "1.5E+15" << 1.5e15;
    QTest::newRow("C: negative exponent") << "C" << "1E-06" << 1e-6;
    QTest::newRow("C: negative zero") << "C" << "-0" << 0.0;
    QTest::newRow("C: near the largest double") << "C" << "1E308" << 1e308;
    QTest::newRow("C: the largest double as written") << "C" << "-1.79769313486231E+308"
                                                       << -1.79769313486231e308;
    QTest::newRow("en_US: grouping") << "en_US" << "1,234.5" << 1234.5;
    QTest::newRow("en_US: decimal") << "en_US" << "0.25" << 0.25;
    QTest::newRow("de_DE: decimal comma") << "de_DE" << "2,5" << 2.5;
    QTest::newRow("de_DE: grouping with dots") << "de_DE" << "1.234,5" << 1234.5;
    QTest::newRow("de_DE: exponent") << "de_DE" << "1,5E3" << 1500.0;
    QTest::newRow("C: the longest text a field takes") << "C" << "2.5" + QString(32764, QLatin1Char('0')) << 2.5;
    QTest::newRow("de_DE: long text with grouping") << "de_DE" << "1.234,5" + QString(100, QLatin1Char('0')) << 1234.5;
    QTest::newRow("he_IL: minus after a direction mark") << "he_IL" << QString::fromUtf8("\u200E-5") << -5.0;
    QTest::newRow("he_IL: plain minus") << "he_IL" << "-5" << -5.0;
    // Grouping that is well formed is read as grouping.
    QTest::newRow("de_DE: one group") << "de_DE" << "1.500" << 1500.0;
    QTest::newRow("de_DE: two groups") << "de_DE" << "12.345.678" << 12345678.0;
    QTest::newRow("de_DE: negative, grouped, decimals") << "de_DE" << "-1.234.567,5" << -1234567.5;
    QTest::newRow("en_US: one group") << "en_US" << "1,500" << 1500.0;
    QTest::newRow("C: one group") << "C" << "1,000" << 1000.0;
    QTest::newRow("en_IN: groups of two before the last three") << "en_IN" << "12,34,567" << 1234567.0;
    QTest::newRow("fr_FR: narrow no-break space") << "fr_FR" << QString::fromUtf8("1\u202F500") << 1500.0;
    QTest::newRow("ar_EG: Arabic digits and minus")
        << "ar_EG" << QString::fromUtf8("\u061C-\u0661\u066B\u0665") << -1.5;
    // Texts the locales write themselves that Qt 6.8 does not read.
    QTest::newRow("it_IT: seven digits in three groups") << "it_IT" << "1.234.567,5" << 1234567.5;
    QTest::newRow("sq_AL: groups of no-break spaces")
        << "sq_AL" << QString::fromUtf8("-1\u00A0234\u00A0567,5") << -1234567.5;
    QTest::newRow("ar_EG: exponent E between Arabic digits and marks")
        << "ar_EG" << QString::fromUtf8("\u061C-\u0661E\u061C+\u0661\u0665") << -1e15;
    QTest::newRow("ckb_IQ: exponent E after right-to-left marks")
        << "ckb_IQ" << QString::fromUtf8("\u200F-\u0661E\u200F+\u0661\u0665") << -1e15;
    QTest::newRow("fa_IR: Persian digits, U+2212 and exponent E")
        << "fa_IR" << QString::fromUtf8("\u200E\u2212\u06F1\u066B\u06F5E\u200E+\u06F2\u06F0") << -1.5e20;
    QTest::newRow("ksh_DE: U+2212 before an exponent E") << "ksh_DE" << QString::fromUtf8("\u22121E+15") << -1e15;
    // A space-like group separator typed with the space key.
    QTest::newRow("bg_BG: groups typed with plain spaces") << "bg_BG" << "1 234 567,5" << 1234567.5;
    QTest::newRow("fr_FR: narrow no-break space") << "fr_FR" << QString::fromUtf8("1\u202F234,5") << 1234.5;
    QTest::newRow("fr_FR: plain space") << "fr_FR" << "-1 234,5" << -1234.5;
}

void tst_NumberText::parseAccepts()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto value = parse(text, QLocale(locale));
    QVERIFY2(value.has_value(), qPrintable(text));
    QCOMPARE(*value, expected);
}

void tst_NumberText::parseRejects_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "C" << "";
    QTest::newRow("blanks only") << "C" << "   ";
    QTest::newRow("letters") << "C" << "abc";
    QTest::newRow("trailing letters") << "C" << "12abc";
    QTest::newRow("two points") << "C" << "1.2.3";
    QTest::newRow("lone sign") << "C" << "-";
    QTest::newRow("infinity") << "C" << "inf";
    QTest::newRow("NaN") << "C" << "nan";
    QTest::newRow("beyond the double range") << "C" << "1e999";
    QTest::newRow("negative beyond the range") << "C" << "-1e999";
    QTest::newRow("blank inside") << "C" << "1 2";
    QTest::newRow("de_DE: infinity") << "de_DE" << "inf";
    QTest::newRow("de_DE: letters") << "de_DE" << "zwei";
    // Grouping that is not well formed is no grouping, and so no number.
    QTest::newRow("de_DE: lone 0 before a group separator") << "de_DE" << "0.625";
    QTest::newRow("de_DE: negative lone 0") << "de_DE" << "-0.625";
    QTest::newRow("de_DE: two zeros before a group separator") << "de_DE" << "00.625";
    QTest::newRow("de_DE: two digits after the separator") << "de_DE" << "1.50";
    QTest::newRow("de_DE: four digits after the separator") << "de_DE" << "1.5000";
    QTest::newRow("de_DE: separator in the decimals") << "de_DE" << "1,500.5";
    QTest::newRow("de_DE: separator first") << "de_DE" << ".500";
    QTest::newRow("en_US: lone 0 before a group separator") << "en_US" << "0,625";
    QTest::newRow("en_US: two digits after the separator") << "en_US" << "1,50";
    QTest::newRow("C: lone 0 before a group separator") << "C" << "0,625";
    QTest::newRow("en_IN: three digits before the last group") << "en_IN" << "1,234,567";
    QTest::newRow("fr_FR: lone 0 before a narrow space") << "fr_FR" << QString::fromUtf8("0\u202F625");
    QTest::newRow("long text with a letter at its end") << "C" << "2.5" + QString(100, QLatin1Char('0')) + "x";
    QTest::newRow("it_IT: groups of the wrong sizes") << "it_IT" << "1.23.4567,5";
    QTest::newRow("fr_FR: a blank where no group ends") << "fr_FR" << "12 34,5";
    QTest::newRow("fr_FR: a blank before the decimal comma") << "fr_FR" << "1 ,5";
    QTest::newRow("de_DE: a group separator after the decimal comma") << "de_DE" << "1,234.5";
    QTest::newRow("C: a separator before any digit") << "C" << ",5";
    QTest::newRow("ar_EG: exponent without digits") << "ar_EG" << QString::fromUtf8("\u0661E");
    QTest::newRow("ar_EG: a second exponent") << "ar_EG" << QString::fromUtf8("\u0661E\u0661E\u0661");
}

void tst_NumberText::parseRejects()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QVERIFY2(!parse(text, QLocale(locale)).has_value(), qPrintable(text));
    QVERIFY(!NumberText::isNumber(text, QLocale(locale)));
}

void tst_NumberText::rejectionSaysWhy_data()
{
    using R = NumberText::Rejection;
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("why");
    QTest::newRow("empty") << "C" << "" << int(R::Empty);
    QTest::newRow("blanks") << "C" << "  " << int(R::Empty);
    QTest::newRow("letters") << "C" << "abc" << int(R::NotANumber);
    QTest::newRow("two points") << "C" << "1.2.3" << int(R::NotANumber);
    QTest::newRow("infinity is no number") << "C" << "inf" << int(R::NotANumber);
    QTest::newRow("beyond the range") << "C" << "1e400" << int(R::OutOfRange);
    QTest::newRow("negative beyond the range") << "C" << "-1e999" << int(R::OutOfRange);
    QTest::newRow("de_DE: beyond the range") << "de_DE" << "1,5e400" << int(R::OutOfRange);
    QTest::newRow("too close to 0") << "C" << "1e-400" << int(R::TooSmall);
    QTest::newRow("negative, too close to 0") << "C" << "-2.5E-330" << int(R::TooSmall);
    QTest::newRow("de_DE: too close to 0") << "de_DE" << "1,5e-400" << int(R::TooSmall);
    QTest::newRow("en_US: grouped, too close to 0") << "en_US" << "1,000e-400" << int(R::TooSmall);
    QTest::newRow("exponent without digits") << "C" << "1e-" << int(R::NotANumber);
    QTest::newRow("de_DE: point after a lone 0") << "de_DE" << "0.625" << int(R::DecimalSeparator);
    QTest::newRow("de_DE: point before two digits") << "de_DE" << "1.50" << int(R::DecimalSeparator);
    QTest::newRow("de_DE: two ill-formed groups") << "de_DE" << "1.234.5" << int(R::NotANumber);
    QTest::newRow("en_US: comma after a lone 0") << "en_US" << "0,625" << int(R::DecimalSeparator);
    QTest::newRow("C: comma after a lone 0") << "C" << "0,625" << int(R::DecimalSeparator);
    QTest::newRow("fr_FR: narrow space after a lone 0")
        << "fr_FR" << QString::fromUtf8("0\u202F625") << int(R::DecimalSeparator);
}

void tst_NumberText::rejectionSaysWhy()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, why);
    QVERIFY(!parse(text, QLocale(locale)).has_value());
    QCOMPARE(int(NumberText::rejection(text, QLocale(locale))), why);
}

void tst_NumberText::readsGrouping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grouped");
    QTest::newRow("de_DE: one group") << "de_DE" << "1.500" << true;
    QTest::newRow("de_DE: groups and decimals") << "de_DE" << "-12.345.678,5" << true;
    QTest::newRow("de_DE: no group") << "de_DE" << "1500" << false;
    QTest::newRow("de_DE: decimals") << "de_DE" << "1,5" << false;
    QTest::newRow("de_DE: ill-formed, no number") << "de_DE" << "0.625" << false;
    QTest::newRow("en_US: one group") << "en_US" << "1,500" << true;
    QTest::newRow("en_US: decimals") << "en_US" << "1.500" << false;
    QTest::newRow("C: comma groups") << "C" << "1,500" << true;
    QTest::newRow("C: blanks around") << "C" << " 1500 " << false;
    QTest::newRow("hi_IN: groups of two") << "hi_IN" << "12,34,567" << true;
    QTest::newRow("fr_FR: narrow space") << "fr_FR" << QString::fromUtf8("1\u202F500") << true;
    QTest::newRow("fr_FR: typed space") << "fr_FR" << "1 500" << true;
    QTest::newRow("fr_FR: blanks around") << "fr_FR" << " 1500 " << false;
}

void tst_NumberText::readsGrouping()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, grouped);
    QCOMPARE(NumberText::readsGrouping(text, QLocale(locale)), grouped);
}

void tst_NumberText::germanDecimalComma()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(formatGeneral(2.5, german), QStringLiteral("2,5"));
    QCOMPARE(formatRounded(1.0 / 3.0, german), QStringLiteral("0,33333"));
    QCOMPARE(formatGeneral(-0.125, german), QStringLiteral("-0,125"));
    QCOMPARE(formatGeneral(1.5e15, german), QStringLiteral("1,5E+15"));
    // What the window writes, the window reads back.
    QCOMPARE(*parse(QStringLiteral("1,5E+15"), german), 1.5e15);
}

void tst_NumberText::usesDefaultLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(formatGeneral(0.5), QStringLiteral("0,5"));
    QCOMPARE(*parse(QStringLiteral("0,5")), 0.5);
}

void tst_NumberText::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("one third") << 1.0 / 3.0 << 0.33333;
    QTest::newRow("minimum bore 2.82095") << 2.8209479177387826 << 2.82095;
    QTest::newRow("65.147") << 65.14700158705602 << 65.147;
    QTest::newRow("exact tie goes down to even") << 0.015625 << 0.01562;
    QTest::newRow("exact tie goes up to even") << 0.046875 << 0.04688;
    QTest::newRow("negative exact tie") << -0.015625 << -0.01562;
    QTest::newRow("just above the tie rounds up") << std::nextafter(0.015625, 1.0) << 0.01563;
    QTest::newRow("2.5 stays") << 2.5 << 2.5;
    QTest::newRow("large value") << 123456789.123456789 << 123456789.12346;
    QTest::newRow("beyond 2^52 unchanged") << 1e17 << 1e17;
    QTest::newRow("near largest double unchanged") << 1e308 << 1e308;
    QTest::newRow("below half of the last place") << 0.000004 << 0.0;
}

void tst_NumberText::rounding()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundTo5Decimals(value), expected);
}

void tst_NumberText::roundingNeverGivesNegativeZero()
{
    const double rounded = roundTo5Decimals(-0.000001);
    QCOMPARE(rounded, 0.0);
    QVERIFY(!std::signbit(rounded));
    QCOMPARE(formatRounded(-0.000001), QStringLiteral("0"));
    QCOMPARE(formatGeneral(-0.0), QStringLiteral("0"));
}

void tst_NumberText::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fifty") << 50.0 << "50";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("ten") << 10.0 << "10";
    QTest::newRow("trailing zeros dropped") << 1.5 << "1.5";
    QTest::newRow("negative") << -235.61945 << "-235.61945";
    QTest::newRow("15 significant digits") << 100.0 / 14.5 << "6.89655172413793";
    QTest::newRow("rounded to 15 digits") << 2.0 / 9.0 * 100.0 << "22.2222222222222";
    QTest::newRow("fifteen digits before the point") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounding carries into 1E+15") << 999999999999999.9 << "1E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("1.5E+15") << 1.5e15 << "1.5E+15";
    QTest::newRow("1E+20") << 1e20 << "1E+20";
    QTest::newRow("three-digit exponent") << 1e308 << "1E+308";
    QTest::newRow("largest double cut, not rounded up") << std::numeric_limits<double>::max()
                                                        << "1.79769313486231E+308";
    QTest::newRow("negative exponent form") << -2.5e300 << "-2.5E+300";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("0.00001 positional") << 0.00001 << "0.00001";
    QTest::newRow("0.0000123 positional") << 0.0000123 << "0.0000123";
    QTest::newRow("1E-06") << 0.000001 << "1E-06";
    QTest::newRow("small with digits") << 1.25e-7 << "1.25E-07";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min()
                                        << "4.94065645841247E-324";
    QTest::newRow("0.1 + 0.2 shows 0.3") << 0.1 + 0.2 << "0.3";
    QTest::newRow("drifted length") << 25.4 * 0.0394 << "1.00076";
    // Exactly halfway at the 15th digit: rounded away from zero.
    QTest::newRow("tie at the 15th digit") << 1000000000000005.0 << "1.00000000000001E+15";
    QTest::newRow("negative tie at the 15th digit") << -1000000000000005.0 << "-1.00000000000001E+15";
    QTest::newRow("just below 0.00001 rounds to it") << std::nextafter(0.00001, 0.0) << "0.00001";
}

void tst_NumberText::general()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatGeneral(value), expected);
}

void tst_NumberText::generalUsesLocaleSeparatorAndNoGrouping()
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(formatGeneral(1234567.5, us), QStringLiteral("1234567.5"));
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(formatGeneral(1234567.5, german), QStringLiteral("1234567,5"));
    QCOMPARE(formatGeneral(1e-6, german), QStringLiteral("1E-06"));
}

void tst_NumberText::generalReadsBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    for (const char *locale : {"C", "en_US", "de_DE"}) {
        for (double value : {1.0 / 3.0, -1234.5678, 6.02214076e23, 1.6e-19, 1e308, 0.1 + 0.2, 1.7976931348623e308})
            QTest::addRow("%s: %.17g", locale, value) << QString::fromLatin1(locale) << value;
    }
}

void tst_NumberText::generalReadsBack()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    const QLocale loc(locale);
    const auto back = parse(formatGeneral(value, loc), loc);
    QVERIFY(back.has_value());
    // Fifteen significant digits survive the round trip.
    QCOMPARE(QString::number(*back, 'g', 15), QString::number(value, 'g', 15));
}

// Every locale Qt knows: what the window writes there reads back as the same
// number, and the locale's own way of writing a number (signs, grouping,
// native digits, direction marks) is a number when typed or pasted.
void tst_NumberText::everyLocaleReadsItsOwnTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 300);
    int row = 0;
    for (const QLocale &locale : locales)
        QTest::addRow("%d %s", row++, qPrintable(locale.name())) << locale;
}

void tst_NumberText::everyLocaleReadsItsOwnTexts()
{
    QFETCH(QLocale, locale);
    const double largest = std::numeric_limits<double>::max();
    for (double value : {-17.77778, 17.77778, -0.5, -1060.287525, 1234567.25, -1234567.25, 999999999999999.0,
                         -1e15, 1.5e20, -1.5e20, -2.5e-300, 1.25e-7, -1.25e-7, 0.0000125, -0.0000125, 0.0001,
                         -largest, largest, std::numeric_limits<double>::denorm_min()}) {
        const QString written = formatGeneral(value, locale);
        const auto back = parse(written, locale);
        QVERIFY2(back.has_value(), qPrintable(written));
        const double expected = std::fabs(value) == largest ? std::copysign(1.79769313486231e308, value) : value;
        QVERIFY2(QString::number(*back, 'g', 15) == QString::number(expected, 'g', 15), qPrintable(written));

        const QString rounded = formatRounded(value, locale);
        const auto roundedBack = parse(rounded, locale);
        QVERIFY2(roundedBack.has_value(), qPrintable(rounded));
        QCOMPARE(*roundedBack, roundTo5Decimals(expected));
    }
    // The locale's own forms as a user would type or paste them.
    for (double value : {-5.0, -17.25, -1234567.5, 1234567.5}) {
        const QString own = locale.toString(value, 'f', 2);
        const auto back = parse(own, locale);
        QVERIFY2(back.has_value(), qPrintable(own));
        QCOMPARE(*back, value);
    }
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numberText.moc"
