// SPDX-License-Identifier: MIT
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "language.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#if defined(Q_OS_UNIX)
#include <langinfo.h>
#endif

namespace {

// Qt reads file names, the command line and the terminal as UTF-8. Where the
// locale's character set is another one (LANG unset, as in container
// images, or LANG=C), Qt switches it to UTF-8 itself but says so in four
// lines on every start. The program switches first and says nothing: the
// character set becomes C.UTF-8's, every other part of the locale (numbers,
// messages) stays as the user set it. The environment carries the switch,
// so that Qt's own look at the locale and the programs started from the
// window (xdg-open) see it too.
void useUtf8CharacterSet()
{
#if defined(Q_OS_UNIX)
    std::setlocale(LC_ALL, "");
    const char *characterSet = nl_langinfo(CODESET);
    if (qstricmp(characterSet, "UTF-8") == 0 || qstricmp(characterSet, "utf8") == 0)
        return;
    // Without C.UTF-8 (not a glibc system), Qt's own fallbacks take over.
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        return;
    // LC_ALL overrides LC_CTYPE: its value goes to each other part instead.
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        for (const char *part : {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME",
                                 "LC_PAPER", "LC_NAME", "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT",
                                 "LC_IDENTIFICATION"})
            qputenv(part, all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_CTYPE", "C.UTF-8");
#endif
}

// The options Qt's application takes off the command line before the
// program reads it (QGuiApplication, QApplication and the X11 platform). The
// program checks its command line before Qt starts, so that a mistake is
// reported the same way with or without a display; it knows these to let
// them through. --help leaves them out, --help-all lists them.
struct QtOption
{
    const char *name;
    const char *valueName; // nullptr: the option takes no value
    const char *description;
};

constexpr QtOption qtOptions[] = {
    {"platform", "name[:options]", QT_TRANSLATE_NOOP("main", "The Qt platform plugin: xcb, wayland, offscreen, ...")},
    {"platformpluginpath", "path", QT_TRANSLATE_NOOP("main", "Where to look for Qt platform plugins.")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("main", "The Qt platform theme.")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("main", "An extra Qt plugin to load, such as evdevtouch.")},
    {"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("main", "Size and position of the window, as in 640x480+0+0.")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("main", "The title of the window.")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("main", "The icon of the window.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("main", "Lays the window out right to left.")},
    {"session", "session", QT_TRANSLATE_NOOP("main", "Restores the given session.")},
    {"style", "style", QT_TRANSLATE_NOOP("main", "The widget style: Fusion, Windows, ...")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("main", "A Qt style sheet for the widgets.")},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("main", "Prints how many widgets were left at the end.")},
    {"qmljsdebugger", "options", QT_TRANSLATE_NOOP("main", "Options of the QML debugger.")},
    {"display", "display", QT_TRANSLATE_NOOP("main", "X11: the display to open, as in :0.")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("main", "X11: the same as -qwindowgeometry.")},
    {"title", "title", QT_TRANSLATE_NOOP("main", "X11: the same as -qwindowtitle.")},
    {"icon", "icon", QT_TRANSLATE_NOOP("main", "X11: the same as -qwindowicon.")},
    {"name", "name", QT_TRANSLATE_NOOP("main", "X11: the resource name of the window.")},
    {"visual", "id", QT_TRANSLATE_NOOP("main", "X11: the visual the window uses.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("main", "X11: never grabs the mouse or keyboard.")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("main", "X11: grabs even under a debugger.")},
};

const QString languageOption = QStringLiteral("language");

// The program's own options, and Qt's: hidden, or listed with --help-all.
void describeOptions(QCommandLineParser &parser, bool listQtOptions)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Sizes pneumatic cylinders and the valves that feed them: cylinder "
                                            "bore, cylinder force and valve flow, in imperial or metric units."));
    // Qt's options are single-dash words (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        languageOption,
        QCoreApplication::translate("main", "The language of the window for this run: %1. A locale name will "
                                            "do as well (de_DE, de-DE). Without it, the desktop's language.")
            .arg((QStringList{QStringLiteral("en")} + Language::translated()).join(QStringLiteral(", "))),
        QCoreApplication::translate("main", "code")));
    for (const QtOption &qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QCoreApplication::translate("main", qt.description));
        if (qt.valueName)
            option.setValueName(QString::fromLatin1(qt.valueName));
        if (!listQtOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Reads the command line before any window system is touched, and loads the
// language: --language CODE's, else the desktop's. --help, --help-all and
// --version answer on standard output, a mistake (an unknown option or
// language, a missing value, any argument) is one line on standard error
// with status 2; both without a display and in that language. A language
// without a translation is said on standard error, and the program goes on
// in English. Returns the status to end with, or nothing to start the
// window.
std::optional<int> answerCommandLine(int argc, char *argv[], Language &language)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describeOptions(parser, false);
    const bool understood = parser.parse(arguments);
    // The option counts even beside a mistake, which is then said in it; an
    // unknown language is said in the desktop's.
    const bool languageGiven = parser.isSet(languageOption);
    Language::Choice choice = languageGiven ? Language::fromCode(parser.value(languageOption)) : Language::Choice{};
    const bool badLanguage = languageGiven && choice.kind == Language::Kind::Unknown;
    if (!languageGiven || badLanguage)
        choice = Language::fromDesktop(QLocale::system().uiLanguages());
    language.load(choice);
    if (choice.kind == Language::Kind::Untranslated)
        std::fprintf(stderr, "corvane-calculator: %s\n",
                     qPrintable(QCoreApplication::translate("main", "There is no %1 translation; the program "
                                                                    "runs in English.")
                                    .arg(QLocale::languageToString(choice.language))));

    const bool helpAll = understood && parser.isSet(QStringLiteral("help-all"));
    const bool help = helpAll || (understood && parser.isSet(QStringLiteral("help")));
    const bool version = understood && parser.isSet(QStringLiteral("version"));
    const bool extra = understood && !parser.positionalArguments().isEmpty();
    if (understood && !badLanguage && !extra && !help && !version)
        return std::nullopt;

    // The answers, in the language chosen: the name and version they show,
    // and the parser read again for Qt's own texts (its options, its errors).
    QCoreApplication app(argc, argv);
    ApplicationInfo::apply();
    language.install();
    QCommandLineParser shown;
    describeOptions(shown, helpAll);
    shown.parse(arguments);
    QString mistake = shown.errorText();
    if (mistake.isEmpty() && badLanguage)
        mistake = QCoreApplication::translate("main", "Unknown language '%1'.").arg(parser.value(languageOption));
    else if (mistake.isEmpty() && extra)
        mistake = QCoreApplication::translate("main", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "corvane-calculator: %s %s\n", qPrintable(mistake),
                     qPrintable(QCoreApplication::translate("main", "See --help.")));
        return 2;
    }
    if (version) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    std::fputs(qPrintable(shown.helpText()), stdout);
    return 0;
}

// The display an X11 connection goes to: -display on the command line, else
// $DISPLAY.
QByteArray x11DisplayName(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0)
            return argv[i + 1];
    }
    return qgetenv("DISPLAY");
}

// While QApplication starts, Qt's messages are held back. If no window system
// can be started, Qt reports the failure as a fatal message and aborts with a
// screenful of advice about reinstalling; instead the program says in one line
// which display it could not open and exits with status 1. Nothing is checked
// beforehand: on platforms without X11 only a real failure ends the program.
struct StartUpMessages
{
    struct Held
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static inline QList<Held> held;
    static inline QByteArray display;
    static inline bool sawX11 = false;
    // The failure is said in the language loaded, which no application is
    // running yet to look up.
    static inline const Language *language = nullptr;

    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
        if (category.startsWith("qt.qpa.xcb"))
            sawX11 = true;
        if (type != QtFatalMsg) {
            held.append({type, category, text});
            return;
        }
        Q_UNUSED(text);
        const auto say = [](const char *text) { return language->text("main", text); };
        QString failure;
        if (sawX11 && !display.isEmpty())
            failure = say(QT_TRANSLATE_NOOP("main", "cannot open display %1")).arg(QString::fromLocal8Bit(display));
        else if (sawX11)
            failure = say(QT_TRANSLATE_NOOP("main", "cannot open a display: DISPLAY is not set"));
        else
            // Qt's last warning names the plugin that failed and why; its
            // fatal text only suggests reinstalling.
            failure = say(QT_TRANSLATE_NOOP("main", "cannot start the window system: %1"))
                          .arg(held.isEmpty() ? say(QT_TRANSLATE_NOOP("main", "no Qt platform plugin could be started"))
                                              : held.constLast().text);
        std::fprintf(stderr, "corvane-calculator: %s\n", qPrintable(failure));
        std::fflush(stderr);
        std::_Exit(1);
    }

    // After a successful start: hand what was held back to Qt's own output.
    static void release()
    {
        qInstallMessageHandler(nullptr);
        for (const Held &message : std::as_const(held)) {
            const QMessageLogContext context(nullptr, 0, nullptr,
                                             message.category.isEmpty() ? "default"
                                                                        : message.category.constData());
            qt_message_output(message.type, context, message.text);
        }
        held.clear();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    useUtf8CharacterSet();
    Language language;
    if (const std::optional<int> status = answerCommandLine(argc, argv, language))
        return *status;

    StartUpMessages::display = x11DisplayName(argc, argv);
    StartUpMessages::language = &language;
    qInstallMessageHandler(StartUpMessages::handler);
    QApplication app(argc, argv);
    // Before the window is built: it looks its texts up as it builds them.
    language.install();
    StartUpMessages::release();
    ApplicationInfo::apply();

    // The program keeps no settings, but Qt's file dialog writes its history
    // (QtProject.conf) into the user's settings when it closes. Qt's settings
    // of the user go to a private folder instead, removed when the program
    // ends; settings already there are neither read nor changed. Made only
    // now that the window system has started, so that a failed start leaves
    // no folder behind. Should no folder be made, they go where nothing can
    // be written.
    QTemporaryDir qtSettings(QDir::tempPath() + QStringLiteral("/corvane-calculator-XXXXXX"));
    const QString settingsPath = qtSettings.isValid() ? qtSettings.path() : QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsPath);

    // The window takes the application's icon, every size of it, from apply().
    frmPressureCalc window;
    window.show();
    return app.exec();
}
