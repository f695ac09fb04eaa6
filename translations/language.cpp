// SPDX-License-Identifier: MIT
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

const QString resourceFolder = QStringLiteral(":/i18n");
const QString fileBase = QStringLiteral("corvane_");

QString programFile(const QString &code)
{
    return resourceFolder + u'/' + fileBase + code + QStringLiteral(".qm");
}

// The translation that serves a locale: the same language in the same
// script (Simplified Chinese serves zh_SG, not zh_TW), any country.
QString translationFor(const QLocale &wanted)
{
    for (const QString &code : Language::translated()) {
        const QLocale translation(code);
        if (translation.language() == wanted.language() && translation.script() == wanted.script())
            return code;
    }
    return QString();
}

} // namespace

QStringList Language::translated()
{
    static const QStringList codes = [] {
        QStringList found;
        const QStringList files = QDir(resourceFolder).entryList({fileBase + QStringLiteral("*.qm")}, QDir::Files,
                                                                 QDir::Name);
        for (const QString &file : files) {
            const QString code = file.mid(fileBase.size()).chopped(3);
            QTranslator translator;
            if (translator.load(programFile(code)) && !translator.isEmpty())
                found << code;
        }
        return found;
    }();
    return codes;
}

Language::Choice Language::fromCode(const QString &code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return {Kind::Unknown, QLocale::C, QString()};
    if (locale.language() == QLocale::English)
        return {Kind::English, QLocale::English, QString()};
    const QString translation = translationFor(locale);
    return {translation.isEmpty() ? Kind::Untranslated : Kind::Translated, locale.language(), translation};
}

Language::Choice Language::fromDesktop(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const Choice choice = fromCode(name);
        if (choice.kind == Kind::English || choice.kind == Kind::Translated)
            return choice;
    }
    return {};
}

void Language::load(const Choice &choice)
{
    if (choice.kind != Kind::Translated)
        return;
    if (!m_program.load(programFile(choice.code)))
        return;
    // qtbase_de.qm; for zh_CN, qtbase_zh_CN.qm before qtbase_zh.qm.
    (void)m_qt.load(QLocale(choice.code), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Language::install()
{
    for (QTranslator *translator : {&m_qt, &m_program})
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
}

QString Language::text(const char *context, const char *source) const
{
    const QString translation = m_program.translate(context, source);
    return translation.isEmpty() ? QString::fromUtf8(source) : translation;
}
