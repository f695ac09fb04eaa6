// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the program speaks: its own texts from the translation
// compiled in from translations/corvane_<code>.ts, and Qt's own texts (file
// and print dialogs, message-box buttons, the command line's errors) from
// Qt's translations. English is the source and needs neither.
//
// Only the texts change: numbers, dates and the paper size keep following
// the locale, whatever the language.
class Language
{
public:
    enum class Kind {
        English,      // the texts as written
        Translated,   // a compiled-in translation that holds texts
        Untranslated, // a language the program has no texts for: English instead
        Unknown,      // a code that names no language
    };

    struct Choice
    {
        Kind kind = Kind::English;
        // The language asked for (QLocale::C for an unknown code).
        QLocale::Language language = QLocale::English;
        // The translation's code ("de", "zh_CN") when Translated.
        QString code;
    };

    // A code as the user types it after --language, read as QLocale reads a
    // name: de, de_DE and de-DE are German; zh, zh_CN and zh-CN Simplified
    // Chinese (zh_TW is Traditional Chinese, another language); en English.
    static Choice fromCode(const QString &code);

    // The first of the desktop's languages, in its order of preference
    // (QLocale::system().uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES
    // or LANG), that is English or has a translation; English when none is.
    static Choice fromDesktop(const QStringList &uiLanguages);

    // The codes of the compiled-in translations that hold texts, sorted. A
    // language whose file has no translated text yet is not among them.
    static QStringList translated();

    // Reads the program's and Qt's translations of a Translated choice;
    // nothing for the others. Qt's may be missing (Debian package
    // qt6-translations-l10n): its dialogs then stay in English.
    void load(const Choice &choice);

    // Hands what load() read to the running application, which looks every
    // text up in it from then on. Again for each new application object.
    void install();

    // A text of the program in the loaded language, for before an
    // application is running to look it up.
    QString text(const char *context, const char *source) const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};
