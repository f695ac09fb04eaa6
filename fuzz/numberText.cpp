// SPDX-License-Identifier: MIT
// Fuzzes the number test and text-to-number rule of the window's fields.
//
// The input bytes are read as UTF-8 and as Latin-1 text, each under the C,
// German and Hebrew locales, and under US English, which reads plain numbers
// as C does but groups digits with commas. For every text: no crash; when the
// locale's own reading of the trimmed text, with the direction marks some
// locales write around a sign (U+200E, U+200F, U+061C) removed, gives a
// finite double, the text is a number and it is that very double, unless it
// has a group separator (grouping that is not well formed is refused); a text the
// locale does not read may still be a number (forms other Qt versions' locales
// write), but only the double the locale reads once the group separators are
// gone and U+2212 is a '-'; a text taken as a number is the same with blanks
// around it; its double
// written in the general format reads back, in the same locale, as the same
// value to 15 significant digits. The one exception is the band just below
// the largest double whose 15-digit form, rounded, would lie beyond the
// double range: there the last digit is cut instead, and the text must read
// back as 1.79769313486231E+308.
#include "fuzzCheck.h"
#include "numberText.h"

#include <QLocale>
#include <QString>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Rounded to 15 digits, the largest doubles would be this, beyond the range;
// the general format cuts them to the largest 15-digit value below it.
const char *const beyondRangeDigits = "1.79769313486232e+308";
const char *const largestWrittenDigits = "1.79769313486231e+308";

bool beyondRangeWhenRounded(double value)
{
    return FuzzCheck::digits15(std::fabs(value)) == beyondRangeDigits;
}

void checkText(const QString &text, const QLocale &locale, const char *decoding)
{
    const QByteArray nameBytes = locale.name().toLatin1();
    const char *localeName = nameBytes.constData();
    const auto value = NumberText::parse(text, locale);

    QString unmarked = text.trimmed();
    unmarked.removeIf([](QChar c) { return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C); });
    bool localeOk = false;
    double localeValue = locale.toDouble(unmarked, &localeOk);
    const bool localeAccepts = localeOk && std::isfinite(localeValue) && !unmarked.isEmpty();
    // The window refuses digit grouping that is not well formed ("0,234" in
    // C, a separator after a lone 0), which Qt reads: only a text with a
    // group separator may be refused while the locale reads it.
    const bool grouped = !locale.groupSeparator().isEmpty() && unmarked.contains(locale.groupSeparator());
    FUZZ_CHECK(value.has_value() || !localeAccepts || grouped,
               "%s text \"%s\" under %s: no number, but the locale accepts it and it has no group separator",
               decoding, qPrintable(text), localeName);
    if (!value)
        return;
    if (!localeAccepts) {
        QString plain = unmarked;
        plain.remove(locale.groupSeparator());
        plain.replace(QChar(0x2212), QLatin1Char('-'));
        localeValue = locale.toDouble(plain, &localeOk);
        FUZZ_CHECK(localeOk, "%s text \"%s\" under %s: a number, but the locale rejects it even as \"%s\"",
                   decoding, qPrintable(text), localeName, qPrintable(plain));
    }
    FUZZ_CHECK(std::bit_cast<std::uint64_t>(*value) == std::bit_cast<std::uint64_t>(localeValue),
               "%s text \"%s\" under %s reads as %s, the locale reads %s", decoding, qPrintable(text), localeName,
               FuzzCheck::exact(*value).c_str(), FuzzCheck::exact(localeValue).c_str());

    FUZZ_CHECK(std::isfinite(*value), "%s text \"%s\" under %s gave %s", decoding, qPrintable(text),
               localeName, FuzzCheck::exact(*value).c_str());

    const auto padded = NumberText::parse(QStringLiteral(" ") + text + QStringLiteral("  "), locale);
    FUZZ_CHECK(padded && *padded == *value, "\"%s\" under %s is a number, but not with blanks around it",
               qPrintable(text), localeName);

    const QString written = NumberText::formatGeneral(*value, locale);
    const auto back = NumberText::parse(written, locale);
    FUZZ_CHECK(back.has_value(), "%s (from \"%s\") written as \"%s\" under %s does not read back",
               FuzzCheck::exact(*value).c_str(), qPrintable(text), qPrintable(written), localeName);
    if (beyondRangeWhenRounded(*value)) {
        FUZZ_CHECK(FuzzCheck::digits15(std::fabs(*back)) == largestWrittenDigits && (*back < 0) == (*value < 0),
                   "%s written as \"%s\" under %s reads back as %s", FuzzCheck::exact(*value).c_str(),
                   qPrintable(written), localeName, FuzzCheck::exact(*back).c_str());
        return;
    }
    FUZZ_CHECK(FuzzCheck::digits15(*back) == FuzzCheck::digits15(*value),
               "%s (from \"%s\") written as \"%s\" under %s reads back as %s", FuzzCheck::exact(*value).c_str(),
               qPrintable(text), qPrintable(written), localeName, FuzzCheck::exact(*back).c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale c = QLocale::c();
    static const QLocale german(QLocale::German, QLocale::Germany);
    // Reads plain numbers as C does, but groups digits with commas.
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    // Writes a direction mark before its minus sign.
    static const QLocale hebrew(QLocale::Hebrew, QLocale::Israel);

    const auto *bytes = reinterpret_cast<const char *>(data);
    const QString utf8 = QString::fromUtf8(bytes, qsizetype(size));
    const QString latin1 = QString::fromLatin1(bytes, qsizetype(size));
    for (const QLocale *locale : {&c, &german, &english, &hebrew}) {
        checkText(utf8, *locale, "UTF-8");
        checkText(latin1, *locale, "Latin-1");
    }
    return 0;
}
