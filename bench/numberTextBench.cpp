// SPDX-License-Identifier: MIT
// The number helpers against the standard library's conversions: the text to
// number rule (NumberText::parse, a QString read by the locale) against
// std::from_chars on the same characters, and the general format
// (NumberText::formatGeneral, giving a QString) against std::to_chars with the
// same 15 significant digits. Each iteration takes the next of four typical
// field values, in both cases alike.
#include "fixture.h"

#include <numberText.h>

#include <QLocale>
#include <QString>

#include <array>
#include <charconv>
#include <cstring>
#include <string>

namespace Bench {
namespace {


const std::array<const char *, 4> texts{"1234.5678", "0.33333", "50", "-2.5"};
const std::array<double, 4> values{1234.5678, 0.33333, 50.0, -2.5e-7};

void addParse(const std::string &suffix, const QLocale &locale)
{
    std::array<QString, 4> qtexts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        qtexts[i] = QString::fromLatin1(texts[i]);
    addArithmetic("Number/Parse/" + suffix, [qtexts, locale, i = std::size_t(0)]() mutable {
        i = (i + 1) & 3;
        auto value = NumberText::parse(qtexts[i], locale);
        keep(value);
    });
    addArithmetic("Number/Parse/" + suffix + "/bound", [i = std::size_t(0)]() mutable {
        i = (i + 1) & 3;
        const char *text = texts[i];
        keep(text);
        double value = 0.0;
        auto result = std::from_chars(text, text + std::strlen(text), value);
        keep(value);
        keep(result);
    });
}

void addFormat(const std::string &suffix, const QLocale &locale)
{
    addArithmetic("Number/FormatGeneral/" + suffix, [locale, i = std::size_t(0)]() mutable {
        i = (i + 1) & 3;
        double value = values[i];
        keep(value);
        QString text = NumberText::formatGeneral(value, locale);
        keep(text);
    });
    addArithmetic("Number/FormatGeneral/" + suffix + "/bound", [i = std::size_t(0)]() mutable {
        i = (i + 1) & 3;
        double value = values[i];
        keep(value);
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        keep(buffer);
        keep(result);
    });
}

} // namespace

void registerNumberTextCases()
{
    // The default locale of a window is the system one; C and US English
    // cover both a locale without and one with digit grouping.
    addParse("C", QLocale::c());
    addParse("en_US", QLocale(QLocale::English, QLocale::UnitedStates));
    addFormat("C", QLocale::c());
    addFormat("en_US", QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace Bench
